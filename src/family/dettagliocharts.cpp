#include "dettagliocharts.h"

#include "app/prompts.h"
#include "app/quotaramod.h"
#include "familychart.h"
#include "familychartexport.h"
#include "familychartview.h"
#include "familysharechart.h"
#include "output/sharechartview.h"

#include <QAction>
#include <QHBoxLayout>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

DettaglioCharts::DettaglioCharts(Prompts& prompts, QWidget* parent)
    : QTabWidget(parent), m_prompts(prompts)
{
    setObjectName(u"grafici"_s);
    setAccessibleName(u"Grafici della successione"_s);
    addTab(buildFamilyTab(), u"&Albero genealogico"_s);
    addTab(buildSharesTab(), u"&Quote"_s);
}

QWidget* DettaglioCharts::buildSharesTab()
{
    auto* page = new QWidget;
    page->setObjectName(u"quotepagina"_s);
    m_legittima = new ShareChartView(u"graficolegittima"_s);
    m_testamentaria = new ShareChartView(u"graficotestamentaria"_s);
    auto* layout = new QHBoxLayout(page);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(m_legittima);
    layout->addWidget(m_testamentaria);
    return page;
}

QWidget* DettaglioCharts::buildFamilyTab()
{
    auto* page = new QWidget;
    page->setObjectName(u"alberopagina"_s);
    m_family = new FamilyChartView;
    connect(m_family, &FamilyChartView::personActivated, this, &DettaglioCharts::personActivated);

    auto* esporta = new QAction(u"&Esporta..."_s, this);
    esporta->setObjectName(u"esporta"_s);
    esporta->setToolTip(u"Salva l'albero genealogico come immagine PNG, SVG o PDF"_s);
    connect(esporta, &QAction::triggered, this, &DettaglioCharts::esporta_Click);
    m_family->addAction(esporta);

    auto* buttons = new QHBoxLayout;
    QList<QAction*> actions = m_family->actions();
    for (QAction* action : actions) {
        auto* button = new QToolButton;
        button->setObjectName(u"cmd"_s + action->objectName());
        button->setDefaultAction(action);
        button->setAccessibleName(action->text().remove(u'&') + u" (albero genealogico)"_s);
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        buttons->addWidget(button);
    }
    buttons->addStretch();
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(m_family, 1);
    layout->addLayout(buttons);
    return page;
}

void DettaglioCharts::showCase(const Family::FamilyCase& familyCase,
                               const std::optional<FamilyOutcome::Outcome>& outcome)
{
    m_family->setChart(FamilyChart::layout(familyCase, outcome));
    const auto show = [&familyCase](ShareChartView* view,
                                    const std::optional<FamilyOutcome::Section>& section,
                                    ShareChart::Succession succession) {
        view->setVisible(section.has_value());
        view->setData(section ? FamilyShareChart::sectionChart(*section, familyCase, succession)
                              : ShareChart::Data{ShareChart::title(succession), {}});
    };
    show(m_legittima, outcome ? outcome->legittima : std::nullopt,
         ShareChart::Succession::Legittima);
    show(m_testamentaria, outcome ? outcome->testamentaria : std::nullopt,
         ShareChart::Succession::Testamentaria);
}

void DettaglioCharts::setCurrentPerson(const QString& id)
{
    m_family->setCurrentPerson(id);
}

void DettaglioCharts::esporta_Click()
{
    FileDialogRequest request;
    request.title = u"Esporta l'albero genealogico"_s;
    request.filter = FamilyChartExport::filter();
    request.fileName = m_exportName;
    const QString chosen = m_prompts.chooseSaveFile(window(), request);
    if (chosen.isEmpty())
        return;
    const QString fileName = FamilyChartExport::withSuffix(chosen);
    QString error;
    if (!FamilyChartExport::save(m_family->chart(), fileName, &error)) {
        m_prompts.warn(
            window(), Quotaramod::titolocontrollo(),
            u"Impossibile salvare l'albero genealogico in %1: %2"_s.arg(fileName, error));
        return;
    }
    m_exportName = fileName;
}
