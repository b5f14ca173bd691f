#pragma once

#include "app/clsresize.h"
#include "app/windowid.h"

#include <QWidget>
#include <array>

class Document;
class Forms;
class QLabel;
class QPushButton;

/// The index of the help: nine entries opening the guides, the tip of the
/// day and the catalogue; printing of the whole help; the program exit.
class Sommario : public QWidget
{
    Q_OBJECT
public:
    /// The eight entries of the guide's summary and, ninth, the detailed calculation's guide.
    static constexpr int entryCount = 9;

    explicit Sommario(Forms& forms, QWidget* parent = nullptr);

    /// Where the printed help is saved: the program's folder when it can be
    /// written to, otherwise the user's documents folder.
    void setSaveFolders(const QString& programFolder, const QString& documentsFolder);
    /// The printed help's file name: the program's name followed by "-guida".
    static QString helpFileName();

    QLabel* lbl(int index) const;
    QPushButton* puls(int index) const;
    static WindowId target(int index);

    void puls_Click(int index);
    void cmdStampa_Click();
    void cmdchiudi_Click();
    void Command1_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void addEntry(int index, int top, const QString& caption);
    QPushButton* addButton(const QString& name, const QString& caption, int left,
                           const QString& tooltip);
    int entryOf(const QObject* label) const;
    void normalelink();
    void lbl_MouseMove(int index);
    void lbl_Mousedown(int index);
    void lbl_MouseUp(int index);
    /// The path the help was saved to, or an empty text.
    QString saveHelp(const Document& document) const;

    Forms& m_forms;
    std::array<QPushButton*, entryCount> m_puls{};
    std::array<QLabel*, entryCount> m_lbl{};
    QString m_programFolder;
    QString m_documentsFolder;
    ClsResize m_resize;
};
