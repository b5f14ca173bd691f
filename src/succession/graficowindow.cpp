#include "graficowindow.h"

#include "app/forms.h"
#include "app/windowsetup.h"
#include "gridsharechart.h"
#include "output/sharechartview.h"

#include <QAction>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

GraficoWindow::GraficoWindow(Forms& forms, QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(windowName(WindowId::grafico));
    setWindowTitle(u"Quotara: grafico delle quote"_s);
    setAccessibleName(u"Grafico delle quote della finestra Successione"_s);
    setWindowIcon(QIcon(u":/app/icons/quotara.svg"_s));
    m_testamentaria = new ShareChartView(u"graficotestamentaria"_s);
    m_legittima = new ShareChartView(u"graficolegittima"_s);
    m_vuoto = new QLabel(u"Nessuna quota da mostrare: indicare gli eredi e il valore dei beni "
                         u"nella finestra Successione."_s);
    m_vuoto->setObjectName(u"vuoto"_s);
    m_vuoto->setAccessibleName(u"Grafico vuoto"_s);
    m_vuoto->setWordWrap(true);

    auto* charts = new QHBoxLayout;
    charts->addWidget(m_testamentaria);
    charts->addWidget(m_legittima);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(charts, 1);
    layout->addWidget(m_vuoto);

    auto* chiudi = new QAction(u"&Chiudi"_s, this);
    chiudi->setObjectName(u"chiudi"_s);
    chiudi->setShortcut(QKeySequence::Close);
    connect(chiudi, &QAction::triggered, this, [&forms] { forms.unload(WindowId::grafico); });
    addAction(chiudi);
    showResults(Results{});
    WindowSetup::giveFace(*this);
    resize(WindowSetup::grownSize(*this, QSize(760, 420)));
}

void GraficoWindow::showResults(const Results& results)
{
    const ShareChart::Data testamentaria =
        GridShareChart::columnChart(results, ResultColumn::Testamentaria);
    const ShareChart::Data legittima =
        GridShareChart::columnChart(results, ResultColumn::Legittima);
    m_testamentaria->setData(testamentaria);
    m_legittima->setData(legittima);
    m_testamentaria->setVisible(!testamentaria.isEmpty());
    m_legittima->setVisible(!legittima.isEmpty());
    m_vuoto->setVisible(testamentaria.isEmpty() && legittima.isEmpty());
}
