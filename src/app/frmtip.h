#pragma once

#include "tips.h"

#include <QWidget>

class Forms;
class QLabel;

/// The tip of the day: one tip at a time from the tips file, forward with
/// wrap-around and backward down to the first. Closing only hides it, so it
/// reopens on the same tip.
class FrmTip : public QWidget
{
    Q_OBJECT
public:
    /// Reads the tips file found beside the program.
    explicit FrmTip(Forms& forms, QWidget* parent = nullptr);
    /// Reads the tips from `tipsPath`.
    FrmTip(Forms& forms, const QString& tipsPath, QWidget* parent = nullptr);

    bool LoadTips(const QString& path);
    void DisplayCurrentTip();

    QString tipText() const;
    const Tips& tips() const { return m_tips; }

    void cmdNextTip_Click();
    void cmdprecedente_Click();
    void cmdOK_Click();

private:
    void AdvanceTip();

    QLabel* m_tipText = nullptr;
    Tips m_tips;
};
