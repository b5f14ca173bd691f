#pragma once

#include "app/clsresize.h"
#include "app/mainframe.h"
#include "app/maximopener.h"
#include "maximtable.h"

#include <QMainWindow>

class Forms;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QScrollBar;

/// The maxims browser: the user picks a topic, steps through its maxims with
/// the scroll bar and prints the maxim on display, or it and all the
/// following ones of the topic.
class Massime : public QMainWindow, public MaximOpener
{
    Q_OBJECT
public:
    explicit Massime(Forms& forms, QWidget* parent = nullptr);

    static FrameDescription frameDescription();

    /// The chosen topic, 1 to 8; 0 before one is chosen.
    int argomento() const { return m_argomento; }
    /// The maxim on display (the scroll bar's value); 0 before a topic is chosen.
    int numero() const { return m_numero; }
    /// The number of the chosen topic's maxims; 0 before a topic is chosen.
    int totale() const { return m_totale; }

    /// Chooses the topic and shows its maxim `number`, as the list and the scroll bar would.
    void mostraMassima(int topic, int number) override;

    void stampa_Click();
    void stampatutte_Click();
    void stampiamo_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void buildMenu();
    void Form_Load();
    void List1_Click(int row);
    void HScroll1_Change(int value);
    void contamassime();
    void showNumber(int number);
    /// Shows maxim `number` of the chosen topic and the articles it applies.
    void showMaxim(int number);
    void showEndMarker();

    Forms& m_forms;
    MainFrame m_frame;
    ClsResize m_resize;
    const MaximTable m_tabellamassime;

    QLabel* m_label1 = nullptr;
    QListWidget* m_list1 = nullptr;
    QLabel* m_label2 = nullptr;
    QScrollBar* m_hscroll1 = nullptr;
    QLabel* m_conta = nullptr;
    QPlainTextEdit* m_sent = nullptr;
    QLabel* m_articoli = nullptr;
    QLabel* m_passo = nullptr;
    QPushButton* m_stampiamo = nullptr;

    int m_argomento = 0;
    int m_numero = 0;
    int m_totale = 0;
    int m_shown = 0; ///< the number `conta` shows
    int m_stampatutto = 0;
};

/// Adds the maxims window's factory to the registry.
void registerMaximsWindows(Forms& forms);
