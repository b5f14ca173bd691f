#pragma once

#include "familycase.h"
#include "familyoutcome.h"

#include <QTabWidget>

#include <optional>

class FamilyChartView;
class Prompts;
class ShareChartView;

/// The pictures of the detailed window, in tabs: the family chart with its
/// zoom and export buttons, and the share charts of the intestate and the
/// testamentary succession side by side. They follow the case at every edit.
class DettaglioCharts : public QTabWidget
{
    Q_OBJECT
public:
    DettaglioCharts(Prompts& prompts, QWidget* parent = nullptr);

    /// Draws the case; without an outcome (a case with faults) no shares.
    void showCase(const Family::FamilyCase& familyCase,
                  const std::optional<FamilyOutcome::Outcome>& outcome);
    void setCurrentPerson(const QString& id);
    FamilyChartView& familyView() const { return *m_family; }
    ShareChartView& legittimaView() const { return *m_legittima; }
    ShareChartView& testamentariaView() const { return *m_testamentaria; }

    /// Asks for a file and saves the family chart there.
    void esporta_Click();

Q_SIGNALS:
    /// The user chose a person in a chart (empty: the deceased).
    void personActivated(const QString& id);

private:
    QWidget* buildFamilyTab();
    QWidget* buildSharesTab();

    Prompts& m_prompts;
    FamilyChartView* m_family = nullptr;
    ShareChartView* m_legittima = nullptr;
    ShareChartView* m_testamentaria = nullptr;
    QString m_exportName; ///< the name the export dialog offers next
};
