#pragma once

#include <QWidget>
#include <array>

class Forms;
class QLabel;

/// The first window: the program's identity and a short piece of music. A
/// click opens the calculator; a key press closes the splash. The exit
/// confirmation brings it back as a farewell screen.
class FrmSplash : public QWidget
{
    Q_OBJECT
public:
    explicit FrmSplash(Forms& forms, QWidget* parent = nullptr);

    /// The farewell screen: music again and "elaborazione eseguita con".
    void showFarewell();

    QLabel* label(int index) const { return m_labels.at(static_cast<std::size_t>(index)); }

    /// The name of the music file, opened by bare name from the working directory.
    static QString musicFileName();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Click();
    void Form_KeyPress();
    QLabel* addLabel(int index, int left, int top, int width, int height);

    Forms& m_forms;
    std::array<QLabel*, 12> m_labels{};
};

/// Shows the succession window modelessly, creating it on first use.
void mostrasuccessione(Forms& forms);
