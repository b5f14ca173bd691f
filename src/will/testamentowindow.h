#pragma once

#include "app/clsresize.h"
#include "app/mainframe.h"
#include "succession/casefilecommands.h"

#include <QMainWindow>
#include <QUrl>

#include <array>

class Forms;
class QLabel;
class QPlainTextEdit;
class QPushButton;

/// The will guide (window 7 of 8): the definition of a will, five aspects of
/// a valid will with their explanations, advice, an example of a handwritten
/// will and its printout. From its File menu it opens a case file into the
/// succession window or deletes one.
class TestamentoWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit TestamentoWindow(Forms& forms, QWidget* parent = nullptr);

    static FrameDescription frameDescription();

    MainFrame& frame() { return m_frame; }

    void spiega_Click(int index);
    void stampa_Click();
    void apri_Click();
    void eliminare_click();
    void stima_Click(int index);
    /// Opens `address` with the desktop's default handler; true when it could.
    bool Link(const QUrl& address);

private:
    void buildMenu();
    void buildDefinition(QWidget* area);
    void buildAspects(QWidget* area);
    void buildAdviceAndExample(QWidget* area);
    void buildLinks(QWidget* area);
    void buildFoot(QWidget* area);
    void onFileButton(ToolbarButton button);

    Forms& m_forms;
    MainFrame m_frame;
    ClsResize m_resize;
    QLabel* m_lb1 = nullptr;
    QLabel* m_nome = nullptr;
    std::array<QPlainTextEdit*, 5> m_aspectTexts{};
    QLabel* m_passo = nullptr;
    /// This window holds no case: Elimina never reads or changes it.
    QString m_nomefile;
    /// Elimina with this window's own dialog, apart from the calculator's.
    CaseFileCommands m_files;
};

void registerWillWindows(Forms& forms);
