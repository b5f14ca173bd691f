#include "casewindowdriver.h"

#include "family/dettagliowindow.h"
#include "succession/successionewindow.h"
#include "testforms.h"

#include <QLineEdit>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

void retype(QWidget* window, const QString& name, const QString& text)
{
    auto* field = window->findChild<QLineEdit*>(name);
    if (!field)
        qFatal("no field %s", qPrintable(name));
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
}

QString textOf(const QWidget* window, const QString& name)
{
    const auto* field = window->findChild<QLineEdit*>(name);
    return field ? field->text() : QString();
}

class SuccessioneDriver final : public CaseWindowDriver
{
public:
    explicit SuccessioneDriver(TestForms& t) : m_t(t)
    {
        registerSuccessionWindows(t.forms);
        m_window = t.forms.formAs<SuccessioneWindow>(WindowId::successione);
        m_window->show();
    }
    ~SuccessioneDriver() override { m_t.forms.unload(WindowId::successione); }

    QString fileName(const QString& base) const override { return u"Quotara-dati-"_s + base; }
    void enterCase(const QString& name, int number) override
    {
        retype(m_window, u"decuius"_s, name);
        retype(m_window, u"figli"_s, QString::number(number));
    }
    QString heldCase() const override
    {
        return textOf(m_window, u"decuius"_s) + u' ' + textOf(m_window, u"figli"_s);
    }
    QString currentFile() const override { return m_window->nomefile(); }
    std::optional<bool> unsavedMark() const override
    {
        return m_window->windowTitle().endsWith(u" *"_s);
    }
    void openFile() override { m_window->apri_Click(); }
    void save() override { m_window->salva_Click(); }
    void saveAs() override { m_window->salvanome_Click(); }

private:
    TestForms& m_t;
    SuccessioneWindow* m_window = nullptr;
};

class DettaglioDriver final : public CaseWindowDriver
{
public:
    explicit DettaglioDriver(TestForms& t) : m_t(t)
    {
        registerFamilyWindows(t.forms);
        m_window = qobject_cast<DettaglioWindow*>(t.forms.show(WindowId::dettaglio));
    }
    ~DettaglioDriver() override { m_t.forms.unload(WindowId::dettaglio); }

    QString fileName(const QString& base) const override { return base + u".quotara.json"_s; }
    void enterCase(const QString& name, int number) override
    {
        retype(m_window, u"decuius"_s, name);
        retype(m_window, u"relictum"_s, QString::number(number));
    }
    QString heldCase() const override
    {
        return textOf(m_window, u"decuius"_s) + u' ' + textOf(m_window, u"relictum"_s);
    }
    QString currentFile() const override { return m_window->currentFile(); }
    std::optional<bool> unsavedMark() const override { return std::nullopt; }
    void openFile() override { m_window->apri_Click(); }
    void save() override { m_window->salva_Click(); }
    void saveAs() override { m_window->salvanome_Click(); }

private:
    TestForms& m_t;
    DettaglioWindow* m_window = nullptr;
};

} // namespace

QString CaseWindowDriver::nameOf(CaseWindow window)
{
    return window == CaseWindow::Successione ? u"successione"_s : u"dettaglio"_s;
}

std::unique_ptr<CaseWindowDriver> CaseWindowDriver::open(CaseWindow window, TestForms& forms)
{
    if (window == CaseWindow::Successione)
        return std::make_unique<SuccessioneDriver>(forms);
    return std::make_unique<DettaglioDriver>(forms);
}
