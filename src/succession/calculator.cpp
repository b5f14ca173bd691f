#include "calculator.h"

using namespace Qt::Literals::StringLiterals;

QString guidanceText(const CaseRecord& record)
{
    if (record.decuius.isEmpty())
        return u"aprire un file con i dati archiviati o iniziare l'immissione dei dati digitando "
               u"il nome del de cuius"_s;
    if (record.successione.isEmpty())
        return missingTypeText();
    if (record.beni.isEmpty())
        return u"digitare il valore numerico della stima dei beni che formano l'asse "
               u"ereditario"_s;
    return u"immettere il numero di ogni tipo di erede, correggere, archiviare quanto immesso, "
           u"visualizzare le quote dell'eredità"_s;
}

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
    m_guidance = guidanceText(m_record);
}

void Calculator::successioneChange(const QString& text)
{
    setType(text);
}

void Calculator::setType(const QString& text)
{
    m_record.successione = text;
    m_state.successione = typeReading(text);
    recompute();
}

void Calculator::beniChange(const QString& text)
{
    m_record.beni = text;
    m_state.beni = text;
    recompute();
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
    m_state.coniuge = spouseReading(text);
    recompute();
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
    count = countReading(text).value_or(-1);
    recompute();
}

CaseRecord Calculator::properRecord() const
{
    CaseRecord record = m_record;
    if (m_state.successione.type)
        record.successione = typeWord(*m_state.successione.type);
    if (m_state.coniuge)
        record.coniuge = spouseWord(*m_state.coniuge);
    return record;
}

void Calculator::recompute()
{
    m_guidance = guidanceText(m_record);
    m_fault = inputFault(m_state, m_locale);
    // An empty type is a step not taken yet, not a mistake: the guidance,
    // which names the missing fields in order, asks for it.
    if (m_state.successione == TypeField::empty())
        m_fault.clear();
    calcolaquote(m_state, m_results, m_locale);
}
