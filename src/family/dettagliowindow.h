#pragma once

#include "familyfilecommands.h"
#include "familyoutcome.h"
#include "succession/caserecord.h"
#include "succession/gridcasetaker.h"
#include "succession/results.h"

#include <QMainWindow>

#include <optional>

class DettaglioCharts;
class FamilyModel;
class Forms;
class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QSpinBox;
class QTableWidget;
class QTreeView;

/// The detailed succession window `dettaglio`: the family as a tree, a form
/// for the chosen person, the general data of the case, and the exact shares
/// of each heir, recomputed at every edit. A case the engine cannot use
/// shows no result: the field at fault is marked and `passo` says why.
class DettaglioWindow : public QMainWindow, public GridCaseTaker
{
    Q_OBJECT
public:
    explicit DettaglioWindow(Forms& forms, QWidget* parent = nullptr);
    ~DettaglioWindow() override;

    /// Starts from the succession window's case, asking first when the case
    /// on display has changes that were not saved.
    void startFromGrid(const CaseRecord& record, const Results& results) override;

    /// The case as the fields describe it, or none with `fault` saying what
    /// is wrong.
    std::optional<Family::FamilyCase> familyCase(QString& fault) const;
    /// Shows a case in every field.
    void setFamilyCase(const Family::FamilyCase& familyCase);
    const FamilyModel& model() const { return *m_model; }
    DettaglioCharts& charts() const { return *m_grafici; }
    /// The results on display; none while the case is wrong.
    const std::optional<FamilyOutcome::Outcome>& outcome() const { return m_outcome; }
    QString currentFile() const { return m_files.fileName(); }

    void apri_Click();
    void salva_Click();
    void salvanome_Click();
    void stampa_Click();
    void guida_Click();
    /// Adds a person of the relation below the deceased, or a descendant of
    /// the chosen person.
    void aggiungi(Family::Relation relation, bool descendant = false);
    /// Insert: a descendant of the chosen child or brother, else a child.
    void aggiungiContesto();
    void togli_Click();
    void selectPerson(const QString& id);

private:
    void buildMenus();
    QWidget* buildGeneral();
    QWidget* buildFamily();
    QWidget* buildPersonForm();
    QWidget* buildResults();
    /// A label whose article references are links to the Civil Code.
    QLabel* linkLabel(const QString& name);
    static void setLinkedText(QLabel* label, const QString& text);
    QAction* addAction(const QString& name, const QString& text, const QString& accessible);
    void orderTabs();
    void connectGeneral();
    void connectPersonForm();

    void personChosen();
    void personEdited();
    void showPerson(const Family::Person* person);
    void updateFormFields(Family::Relation relation, bool descendant);
    void edited();
    void recompute();
    void markFault(QWidget* field, const QString& fault);
    void clearMarks();
    void showOutcome(const FamilyOutcome::Outcome& outcome);
    void clearOutcome();
    void addDonationRow(const QString& donee, const QString& value);

    Forms& m_forms;
    FamilyModel* m_model = nullptr;
    FamilyFileCommands m_files;
    std::optional<FamilyOutcome::Outcome> m_outcome;
    bool m_modified = false;
    bool m_loading = false;
    /// The grid the case started from, for the comparison line.
    std::optional<std::pair<CaseRecord, Results>> m_grid;

    QLineEdit* m_decuius = nullptr;
    QComboBox* m_tipologia = nullptr;
    QLineEdit* m_relictum = nullptr;
    QLineEdit* m_debiti = nullptr;
    QComboBox* m_riserva = nullptr;
    QTableWidget* m_donazioni = nullptr;
    QTreeView* m_famiglia = nullptr;
    QGroupBox* m_persona = nullptr;
    QLineEdit* m_nome = nullptr;
    QComboBox* m_relazione = nullptr;
    QComboBox* m_stato = nullptr;
    QComboBox* m_vincolo = nullptr;
    QComboBox* m_linea = nullptr;
    QSpinBox* m_grado = nullptr;
    QComboBox* m_separazione = nullptr;
    QGroupBox* m_legittimaBox = nullptr;
    QGroupBox* m_testamentariaBox = nullptr;
    QTableWidget* m_quoteLegittima = nullptr;
    QTableWidget* m_quoteTestamentaria = nullptr;
    QLabel* m_statoLegittima = nullptr;
    QLabel* m_disponibile = nullptr;
    QLabel* m_massa = nullptr;
    QPlainTextEdit* m_passi = nullptr;
    QLabel* m_passo = nullptr;
    QLabel* m_confronto = nullptr;
    DettaglioCharts* m_grafici = nullptr;
};

/// Adds the detailed window's factory to the registry.
void registerFamilyWindows(Forms& forms);
