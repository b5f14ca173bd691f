#pragma once

#include "app/caseopener.h"
#include "app/clsresize.h"
#include "app/mainframe.h"
#include "calculator.h"
#include "casefilecommands.h"
#include "caserecord.h"
#include "results.h"

#include <QMainWindow>
#include <array>

class Forms;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

/// The succession window `successione`: the calculator. Every change of an
/// input field recomputes the shares at once through the share rules; the
/// window only shows what they return.
class SuccessioneWindow : public QMainWindow, public CaseOpener
{
    Q_OBJECT
public:
    explicit SuccessioneWindow(Forms& forms, QWidget* parent = nullptr);

    static FrameDescription frameDescription();

    /// The texts of the seven input fields.
    CaseRecord caseRecord() const;
    /// Assigns the seven texts in their order; each change runs that field's
    /// handler, so the results follow the case.
    void setCaseRecord(const CaseRecord& record);

    const Results& results() const { return m_calculator.results(); }
    const CalculatorState& state() const { return m_calculator.state(); }

    /// The file commands (case files) and the report.
    void apri_Click() override;
    void salva_Click();
    void salvanome_Click();
    void eliminare_click();
    void stampa_Click();
    /// Opens the detailed calculation, starting from this window's case.
    void dettaglio_Click();
    /// Opens the chart of the shares, which then follows the results.
    void grafico_Click();

    /// The current case file; empty until a case is opened or saved.
    const QString& nomefile() const { return m_nomefile; }

    void spiega1_Click(int index);
    void aiuto_Click();
    /// Writes the guidance for the case to `passo`; while an input cannot be
    /// used, `passo` says what is wrong instead until it is mended.
    void aggiornapasso();

private:
    void buildMenu();
    void buildGeneralData(QWidget* area);
    void buildHeirsFrame(QWidget* area);
    void buildResultRow(ResultRow row);
    void buildFoot(QWidget* area);
    void connectHandlers();
    void orderTabs();
    void Form_Load();

    void successione_Change(const QString& text);
    void successione_Click();
    void beni_change(const QString& text);
    void figli_Change(const QString& text);
    void ascendenti_Change(const QString& text);
    void fratelli_Change(const QString& text);
    void coniuge_Change(const QString& text);
    void coniuge_Click();
    void writeProperWords();
    void updateTitle();
    void Toolbar1_ButtonClick(ToolbarButton button);
    void render();

    Forms& m_forms;
    MainFrame m_frame;
    ClsResize m_resize;
    Calculator m_calculator;
    QString m_nomefile;
    /// The case as last opened or saved (as opened, before either).
    CaseRecord m_storedRecord;
    CaseFileCommands m_files;

    QLineEdit* m_decuius = nullptr;
    QComboBox* m_successione = nullptr;
    QLineEdit* m_beni = nullptr;
    QLineEdit* m_figli = nullptr;
    QLineEdit* m_ascendenti = nullptr;
    QComboBox* m_coniuge = nullptr;
    QLineEdit* m_fratelli = nullptr;
    QGroupBox* m_frame7 = nullptr;
    QPlainTextEdit* m_art = nullptr;
    QPlainTextEdit* m_nota = nullptr;
    QLabel* m_passo = nullptr;
    std::array<QPushButton*, 12> m_spiega1{};
    /// Fraction or percentage labels, by result row and column.
    std::array<std::array<QLabel*, resultColumns.size()>, resultRows.size()> m_fractions{};
    /// Amount labels `quota1` and `quota2`, by result row and column.
    std::array<std::array<QLabel*, resultColumns.size()>, resultRows.size()> m_amounts{};
};

/// Adds the succession window's factory to the registry.
void registerSuccessionWindows(Forms& forms);
