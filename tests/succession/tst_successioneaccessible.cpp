#include "succession/successionewindow.h"
#include "testforms.h"

#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

// The succession window as a screen reader reads it.
class TestSuccessioneAccessible : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void inputNames_data();
    void inputNames();
    void listsSayTheirValueApart();
    void resultCells_data();
    void resultCells();
    void resultNamesFollowTheCase();
    void explanationButtonsSayWhatTheyExplain();

private:
    QString spokenName(const QString& objectName) const;
    void setCase(const CaseRecord& record);

    std::unique_ptr<TestForms> m_t;
    SuccessioneWindow* m_window = nullptr;
};

void TestSuccessioneAccessible::init()
{
    m_t = std::make_unique<TestForms>();
    registerSuccessionWindows(m_t->forms);
    m_window = m_t->forms.formAs<SuccessioneWindow>(WindowId::successione);
    QVERIFY(m_window);
    m_window->show();
}

void TestSuccessioneAccessible::cleanup()
{
    m_t->forms.unload(WindowId::successione);
    m_t.reset();
    m_window = nullptr;
}

QString TestSuccessioneAccessible::spokenName(const QString& objectName) const
{
    auto* widget = m_window->findChild<QWidget*>(objectName);
    if (!widget)
        return u"<no control %1>"_s.arg(objectName);
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

void TestSuccessioneAccessible::setCase(const CaseRecord& record)
{
    m_window->setCaseRecord(record);
}

void TestSuccessioneAccessible::inputNames_data()
{
    QTest::addColumn<QString>("objectName");
    QTest::addColumn<QString>("name");
    QTest::newRow("decuius") << u"decuius"_s << u"de cuius, nome del defunto"_s;
    QTest::newRow("successione") << u"successione"_s << u"tipologia della successione"_s;
    QTest::newRow("beni") << u"beni"_s << u"valore dei beni"_s;
    QTest::newRow("figli") << u"figli"_s << u"numero di figli"_s;
    QTest::newRow("ascendenti") << u"ascendenti"_s << u"numero di ascendenti"_s;
    QTest::newRow("coniuge") << u"coniuge"_s << u"coniuge superstite, sì o no"_s;
    QTest::newRow("fratelli") << u"fratelli"_s << u"numero di fratelli"_s;
}

void TestSuccessioneAccessible::inputNames()
{
    QFETCH(QString, objectName);
    QFETCH(QString, name);
    QCOMPARE(spokenName(objectName), name);
}

void TestSuccessioneAccessible::listsSayTheirValueApart()
{
    setCase({u"Rossi"_s, u"entrambe"_s, u"100"_s, QString(), QString(), u"no"_s, QString()});
    for (const auto& [objectName, value] :
         {std::pair{u"successione"_s, u"entrambe"_s}, std::pair{u"coniuge"_s, u"no"_s}}) {
        QAccessibleInterface* list =
            QAccessible::queryAccessibleInterface(m_window->findChild<QComboBox*>(objectName));
        QCOMPARE(list->role(), QAccessible::ComboBox);
        QCOMPARE(list->text(QAccessible::Value), value);
        QVERIFY(list->text(QAccessible::Name) != value);
    }
}

void TestSuccessioneAccessible::resultCells_data()
{
    QTest::addColumn<CaseRecord>("record");
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("name");

    // Spouse and one child: a third each reserved, a third disposable with a
    // will (art. 542); half each without one (art. 581).
    const CaseRecord spouseAndChild{u"Rossi"_s, u"entrambe"_s, u"120000"_s, u"1"_s,
                                    QString(),  u"sì"_s,       QString()};
    QTest::newRow("spouse, will") << spouseAndChild << u"quotaconiuge_1"_s
                                  << u"quota testamentaria del coniuge: 1/3, 40.000,00"_s;
    QTest::newRow("spouse, no will") << spouseAndChild << u"quotaconiuge_2"_s
                                     << u"quota legittima del coniuge: 1/2, 60.000,00"_s;
    QTest::newRow("spouse amount") << spouseAndChild << u"quota2_3"_s
                                   << u"valore della quota legittima del coniuge: 60.000,00"_s;
    QTest::newRow("children, will") << spouseAndChild << u"quotafigli_1"_s
                                    << u"quota testamentaria dei figli: 1/3, 40.000,00"_s;
    QTest::newRow("disposable") << spouseAndChild << u"quotadisponibile_1"_s
                                << u"quota testamentaria disponibile: 1/3, 40.000,00"_s;
    // Spouse and two children without a will: the children share two thirds,
    // 33,333 per cent of the estate each.
    const CaseRecord spouseAndChildren{u"Rossi"_s, u"legittima"_s, u"120000"_s, u"2"_s,
                                       QString(),  u"sì"_s,        QString()};
    QTest::newRow("each child")
        << spouseAndChildren << u"quotafiglio_2"_s
        << u"quota legittima di ciascun figlio: 33,333 per cento, 40.000,00"_s;
    QTest::newRow("each child's amount")
        << spouseAndChildren << u"quota2_6"_s
        << u"valore della quota legittima di ciascun figlio: 40.000,00"_s;
    QTest::newRow("no brothers") << spouseAndChild << u"quotafratelli_2"_s
                                 << u"quota legittima dei fratelli: nessuna"_s;
    QTest::newRow("no brothers' amount") << spouseAndChild << u"quota2_4"_s
                                         << u"valore della quota legittima dei fratelli: nessuno"_s;
}

void TestSuccessioneAccessible::resultCells()
{
    QFETCH(CaseRecord, record);
    QFETCH(QString, cell);
    QFETCH(QString, name);
    setCase(record);
    QCOMPARE(spokenName(cell), name);
}

void TestSuccessioneAccessible::resultNamesFollowTheCase()
{
    setCase({u"Rossi"_s, u"legittima"_s, u"120000"_s, u"1"_s, QString(), u"sì"_s, QString()});
    QCOMPARE(spokenName(u"quotaconiuge_2"_s), u"quota legittima del coniuge: 1/2, 60.000,00"_s);
    // Two children: the spouse takes a third (art. 581).
    m_window->findChild<QLineEdit*>(u"figli"_s)->setText(u"2"_s);
    QCOMPARE(spokenName(u"quotaconiuge_2"_s), u"quota legittima del coniuge: 1/3, 40.000,00"_s);
    m_window->findChild<QLineEdit*>(u"figli"_s)->clear();
    QCOMPARE(spokenName(u"quotaconiuge_2"_s), u"quota legittima del coniuge: intero, 120.000,00"_s);
}

void TestSuccessioneAccessible::explanationButtonsSayWhatTheyExplain()
{
    QSet<QString> names;
    for (int index = 1; index <= 11; ++index) {
        const QString name = spokenName(u"spiega1_%1"_s.arg(index));
        QVERIFY2(name.startsWith(u"spiegazione: "_s), qPrintable(name));
        names.insert(name);
        auto* button = m_window->findChild<QPushButton*>(u"spiega1_%1"_s.arg(index));
        QCOMPARE(QAccessible::queryAccessibleInterface(button)->text(QAccessible::Description),
                 button->toolTip());
    }
    QCOMPARE(names.size(), 11);
}

QTEST_MAIN(TestSuccessioneAccessible)
#include "tst_successioneaccessible.moc"
