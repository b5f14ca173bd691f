#include "calculator.h"

#include "app/numbers.h"

using namespace Qt::Literals::StringLiterals;

Calculator::Calculator(const QLocale& locale) : m_locale(locale)
{
    m_record.beni = u"100"_s;
    m_state.beni = m_record.beni;
}

Calculator Calculator::opened(const QLocale& locale)
{
    Calculator calculator(locale);
    calculator.successioneChange(u"legittima"_s);
    calculator.coniugeChange(u"sì"_s);
    return calculator;
}

void Calculator::decuiusChange(const QString& text)
{
    m_record.decuius = text;
}

void Calculator::successioneChange(const QString& text)
{
    m_record.successione = text;
    if (const int code = typeCode(text))
        m_state.successione = code;
    recompute(false);
}

void Calculator::successioneClick(const QString& text)
{
    m_record.successione = text;
    if (const int code = typeCode(text))
        m_state.successione = code;
    recompute(true);
}

void Calculator::beniChange(const QString& text)
{
    m_record.beni = text;
    m_state.beni = text;
    recompute(false);
}

void Calculator::figliChange(const QString& text)
{
    setCount(m_state.figli, m_record.figli, text);
}

void Calculator::ascendentiChange(const QString& text)
{
    setCount(m_state.ascendenti, m_record.ascendenti, text);
}

void Calculator::fratelliChange(const QString& text)
{
    setCount(m_state.fratelli, m_record.fratelli, text);
}

void Calculator::coniugeChange(const QString& text)
{
    m_record.coniuge = text;
    m_state.coniuge = text == u"sì" ? 1 : 0;
    recompute(true);
}

void Calculator::apply(const CaseRecord& record)
{
    if (record.decuius != m_record.decuius)
        decuiusChange(record.decuius);
    if (record.successione != m_record.successione)
        successioneChange(record.successione);
    if (record.beni != m_record.beni)
        beniChange(record.beni);
    if (record.figli != m_record.figli)
        figliChange(record.figli);
    if (record.ascendenti != m_record.ascendenti)
        ascendentiChange(record.ascendenti);
    if (record.coniuge != m_record.coniuge)
        coniugeChange(record.coniuge);
    if (record.fratelli != m_record.fratelli)
        fratelliChange(record.fratelli);
}

void Calculator::setCount(double& count, QString& field, const QString& text)
{
    field = text;
    count = Numbers::leadingNumber(text);
    recompute(true);
}

void Calculator::recompute(bool clearFirst)
{
    if (clearFirst)
        azzeraquote(m_results);
    calcolaquote(m_state, m_results, m_locale);
}
