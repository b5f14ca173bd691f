#include "sharerules.h"

#include "app/numbers.h"

#include <QRegularExpression>
#include <array>
#include <cmath>
#include <optional>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

// Where an amount of the tables comes from.
enum class Source {
    Share, // value × numerator / denominator
    Beni,  // the value text as typed (a share of "intero")
    Nulla, // the word "nulla"
};

struct Caption
{
    int row;
    QString text;
};

struct Amount
{
    int row;
    Source source;
    double numerator = 1;
    double denominator = 1;
};

struct ColumnRule
{
    std::vector<Caption> captions;
    std::vector<Amount> amounts;
};

using ColumnRules = std::array<ColumnRule, 12>;

Amount share(int row, double numerator, double denominator)
{
    return {row, Source::Share, numerator, denominator};
}

// Column 1, the testamentary succession: the shares reserved to the
// legitimaries (arts. 536-544) and the disposable portion. Index = caso.
const ColumnRules& column1Rules()
{
    static const ColumnRules rules = {{
        {},
        {{{3, u"1/2"_s}, {5, u"1/2"_s}}, {share(3, 1, 2), share(5, 1, 2)}},
        {{{3, u"1/2"_s}, {4, u"nulla"_s}, {5, u"1/2"_s}},
         {share(3, 1, 2), share(5, 1, 2), {4, Source::Nulla}}},
        {{{2, u"1/4"_s}, {3, u"2/4"_s}, {5, u"1/4"_s}},
         {share(2, 1, 4), share(3, 1, 2), share(5, 1, 4)}},
        {{{2, u"1/4"_s}, {3, u"2/4"_s}, {4, u"nulla"_s}, {5, u"1/4"_s}},
         {share(2, 1, 4), share(3, 2, 4), share(5, 1, 4)}},
        {{{4, u"nulla"_s}, {5, u"intero"_s}}, {share(5, 1, 1)}},
        {{{2, u"1/3"_s}, {5, u"2/3"_s}}, {share(2, 1, 3), share(5, 2, 3)}},
        {{{2, u"1/3"_s}, {4, u"nulla"_s}, {5, u"2/3"_s}}, {share(2, 1, 3), share(5, 2, 3)}},
        {{{1, u"2/4"_s}, {3, u"1/4"_s}, {5, u"1/4"_s}},
         {share(1, 1, 2), share(3, 1, 4), share(5, 1, 4)}},
        {{{1, u"2/3"_s}, {5, u"1/3"_s}}, {share(1, 2, 3), share(5, 1, 3)}},
        {{{1, u"1/3"_s}, {3, u"1/3"_s}, {5, u"1/3"_s}},
         {share(1, 1, 3), share(3, 1, 3), share(5, 1, 3)}},
        {{{1, u"1/2"_s}, {5, u"1/2"_s}}, {share(1, 1, 2), share(5, 1, 2)}},
    }};
    return rules;
}

// Column 2, the legitimate succession (arts. 565-586). Index = caso.
const ColumnRules& column2Rules()
{
    static const ColumnRules rules = {{
        {},
        {{{3, u"intero"_s}}, {{3, Source::Beni}}},
        {{{3, u"2/3"_s}, {4, u"1/3"_s}}, {share(3, 2, 3), share(4, 1, 3)}},
        {{{2, u"1/3"_s}, {3, u"2/3"_s}}, {share(3, 2, 3), share(2, 1, 3)}},
        {{{2, u"3/12"_s}, {3, u"8/12"_s}, {4, u"1/12"_s}},
         {share(2, 3, 12), share(3, 8, 12), share(4, 1, 12)}},
        {{{4, u"intero"_s}}, {{4, Source::Beni}}},
        {{{2, u"intero"_s}}, {{2, Source::Beni}}},
        {{{2, u"min.metà"_s}, {4, u"max metà"_s}}, {share(2, 1, 2), share(4, 1, 2)}},
        {{{3, u"1/3"_s}, {1, u"2/3"_s}}, {share(3, 1, 3), share(1, 2, 3)}},
        {{{1, u"intero"_s}}, {{1, Source::Beni}}},
        {{{3, u"1/2"_s}, {1, u"1/2"_s}}, {share(3, 1, 2), share(1, 1, 2)}},
        {{{1, u"intero"_s}}, {{1, Source::Beni}}},
    }};
    return rules;
}

// Articles by caso: testamentary, legitimate, both.
const std::array<std::array<QString, 3>, 12>& articleLists()
{
    static const std::array<std::array<QString, 3>, 12> lists = {{
        {},
        {u"540"_s, u"540 583"_s, u"540 583"_s},
        {u"540"_s, u"540 582"_s, u"540 582"_s},
        {u"540 544"_s, u"540 582"_s, u"540 544 582"_s},
        {u"540 544"_s, u"540 582"_s, u"540 544 582"_s},
        {u"536"_s, u"570"_s, u"536 570"_s},
        {u"538"_s, u"569"_s, u"538 569"_s},
        {u"536 538 540"_s, u"571"_s, u"536 538 540 571"_s},
        {u"540 542"_s, u"540 581"_s, u"540 542 581"_s},
        {u"537"_s, u"566"_s, u"537 566"_s},
        {u"540 542"_s, u"540 581"_s, u"540 542 581"_s},
        {u"537"_s, u"566"_s, u"537 566"_s},
    }};
    return lists;
}

const QString& unilateralNote()
{
    static const QString text = QStringLiteral(
        "I fratelli e le sorelle unilaterali (figli di uno solo dei due genitori) conseguono, se "
        "in concorso con genitori o ascendenti, la metà della quota che 'consegue ciascuno dei "
        "germani' (figli di entrambi i genitori) ai sensi del secondo comma dell'art.571 del "
        "Codice Civile.");
    return text;
}

const QString& stateNote()
{
    static const QString text = QStringLiteral(
        "In questo caso, se non vi sono altri parenti entro il sesto grado (art.572),ai sensi "
        "dell'art.586 del Codice Civile, i beni vanno allo Stato.");
    return text;
}

// Each test that holds overrides the earlier ones; with none (no heirs), 0.
int findCaso(const CalculatorState& s)
{
    const double f = s.figli;
    const double a = s.ascendenti;
    const double b = s.fratelli;
    const int sp = s.coniuge;
    int caso = 0;
    if (sp == 1 && f == 0 && b == 0 && a == 0)
        caso = 1;
    if (sp == 1 && b > 0 && a == 0 && f == 0)
        caso = 2;
    if (sp == 1 && a > 0 && b == 0 && f == 0)
        caso = 3;
    if (sp == 1 && a > 0 && b > 0 && f == 0)
        caso = 4;
    if (b > 0 && sp == 0 && f == 0 && a == 0)
        caso = 5;
    if (a > 0 && sp == 0 && b == 0 && f == 0)
        caso = 6;
    if (a > 0 && b > 0 && sp == 0 && f == 0)
        caso = 7;
    if (sp == 1 && f > 1)
        return 8;
    if (f > 1)
        caso = 9;
    if (sp == 1 && f == 1)
        caso = 10;
    if (f == 1 && sp == 0)
        caso = 11;
    return caso;
}

struct Computation
{
    const CalculatorState& state;
    Results& results;
    const QLocale& locale;
    double value; // the value of the estate, greater than 0
    int rule;     // caso, with none read as 1

    Valore amountOf(const Amount& amount) const
    {
        switch (amount.source) {
        case Source::Share:
            return Valore::number(value * amount.numerator / amount.denominator);
        case Source::Beni:
            return Valore::text(state.beni);
        case Source::Nulla:
            return Valore::text(u"nulla"_s);
        }
        return {};
    }

    void writeCaptions(const ColumnRule& rule, int column) const
    {
        for (const Caption& caption : rule.captions)
            results.fraction(caption.row, column) = caption.text;
    }

    void writeAmounts(const ColumnRule& rule, int column) const
    {
        for (const Amount& amount : rule.amounts)
            results.valore(amount.row, column) = amountOf(amount);
    }

    void fillColumn(const ColumnRules& rules, int column) const
    {
        writeCaptions(rules[rule], column);
        writeAmounts(rules[rule], column);
    }

    void fillShares() const
    {
        const auto& articles = articleLists()[rule];
        switch (state.successione) {
        case 3:
            results.art = articles[2];
            fillColumn(column1Rules(), 1);
            fillColumn(column2Rules(), 2);
            break;
        case 2:
            results.art = articles[1];
            fillColumn(column2Rules(), 2);
            break;
        default:
            results.art = articles[0];
            fillColumn(column1Rules(), 1);
            break;
        }
    }

    // The percentage of the estate an amount represents, rounded half up to
    // three decimals.
    QString pct(const Valore& amount) const
    {
        const double x = amount.toNumber(locale).value_or(0.0);
        return Numbers::numberText(std::floor(x / value * 100000 + 0.5) / 1000, locale);
    }

    void divide(int fromRow, int toRow, int column, double count) const
    {
        const double whole = results.valore(fromRow, column).toNumber(locale).value_or(0.0);
        results.valore(toRow, column) = Valore::number(whole / count);
    }

    void shareOfEach(int fromRow, int toRow, double count, Results::Column& labels) const
    {
        if (count <= 1)
            return;
        const int type = state.successione;
        if (type == 1 || type == 3)
            divide(fromRow, toRow, 1, count);
        if (type == 2 || type == 3)
            divide(fromRow, toRow, 2, count);
        if (type == 1 || type == 3)
            labels[1] = pct(results.valori1[toRow]);
        if (type == 2 || type == 3)
            labels[2] = pct(results.valori2[toRow]);
    }

    // Only a column that gives the brothers and sisters a share has a share
    // for each of them, whatever the type.
    void shareOfEachBrother() const
    {
        if (state.fratelli <= 1)
            return;
        for (int column = 1; column <= 2; ++column) {
            if (!(results.valore(4, column).toNumber(locale).value_or(0.0) > 0))
                continue;
            divide(4, 8, column, state.fratelli);
            results.quotafratello[column] = pct(results.valore(8, column));
        }
    }

    void sharesOfEachHeir() const
    {
        shareOfEach(1, 6, state.figli, results.quotafiglio);
        shareOfEach(2, 7, state.ascendenti, results.quotaascendente);
        shareOfEachBrother();
    }

    void writeNotes() const
    {
        results.notaVisible = false;
        const bool noDescendantsNorSpouse = state.figli == 0 && state.coniuge == 0;
        if (noDescendantsNorSpouse && state.ascendenti > 0 && state.fratelli > 0) {
            results.nota = unilateralNote();
            results.notaVisible = true;
        }
        if (!noDescendantsNorSpouse || state.ascendenti != 0 || state.fratelli != 0)
            return;
        // No heirs: what the configuration of an earlier computation wrote goes.
        azzeraquote(results);
        switch (state.successione) {
        case 2:
            results.nota = stateNote();
            results.notaVisible = true;
            results.art = u"586"_s;
            break;
        case 1:
        case 3:
            results.quotadisponibile[1] = u"100"_s;
            results.quota1[5] = state.beni;
            results.art.clear();
            break;
        default:
            break;
        }
    }

    // Every amount greater than 0 is shown, however small; "nulla" is not an amount.
    void showAmount(int row, int column) const
    {
        const std::optional<double> number = results.valore(row, column).toNumber(locale);
        if (!number || !(*number > 0) || !std::isfinite(*number))
            return;
        results.amount(row, column) = Numbers::formatAmount(*number, locale);
    }

    void showAmounts() const
    {
        for (int row = 1; row <= 8; ++row) {
            showAmount(row, 1);
            showAmount(row, 2);
        }
    }
};

} // namespace

int typeCode(const QString& successione)
{
    if (successione == u"testamentaria")
        return 1;
    if (successione == u"legittima")
        return 2;
    if (successione == u"entrambe")
        return 3;
    return 0;
}

int typeReading(const QString& successione)
{
    return typeCode(successione.trimmed().toLower());
}

QString typeWord(int code)
{
    switch (code) {
    case 1:
        return u"testamentaria"_s;
    case 2:
        return u"legittima"_s;
    case 3:
        return u"entrambe"_s;
    default:
        return {};
    }
}

std::optional<int> spouseReading(const QString& coniuge)
{
    const QString word = coniuge.trimmed().toLower();
    if (word == u"sì" || word == u"si")
        return 1;
    if (word == u"no")
        return 0;
    return std::nullopt;
}

QString spouseWord(int flag)
{
    return flag == 1 ? u"sì"_s : u"no"_s;
}

std::optional<double> countReading(const QString& text)
{
    static const QRegularExpression whole(u"^[0-9]+$"_s);
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return 0.0;
    if (!whole.match(trimmed).hasMatch())
        return std::nullopt;
    return trimmed.toDouble();
}

std::optional<double> valueReading(const QString& beni, const QLocale& locale)
{
    return Numbers::localeNumber(beni, locale);
}

namespace {

// The digits a value text carries, without leading zeros nor the trailing
// zeros of its decimals.
int significantDigits(const QString& beni, const QLocale& locale)
{
    QString digits;
    bool decimals = false;
    int trailingZeros = 0;
    for (const QChar c : beni) {
        if (locale.decimalPoint() == QString(c))
            decimals = true;
        if (!c.isDigit())
            continue;
        if (digits.isEmpty() && c == u'0')
            continue;
        digits += c;
        trailingZeros = decimals && c == u'0' ? trailingZeros + 1 : 0;
    }
    return static_cast<int>(digits.size()) - trailingZeros;
}

} // namespace

QString inputFault(const CalculatorState& state, const QLocale& locale)
{
    if (state.successione == 0)
        return u"scegliere la tipologia della successione"_s;
    if (state.successione < 1 || state.successione > 3)
        return u"la tipologia della successione deve essere testamentaria, legittima o "
               u"entrambe"_s;
    if (state.beni.trimmed().isEmpty())
        return u"digitare il valore numerico della stima dei beni che formano l'asse "
               u"ereditario"_s;
    const std::optional<double> value = valueReading(state.beni, locale);
    if (!value || !(*value > 0))
        return u"il valore dei beni deve essere un numero maggiore di zero (ad esempio %1)"_s.arg(
            Numbers::formatAmount(120000.5, locale));
    if (*value >= 1e15 || significantDigits(state.beni, locale) > maxValueDigits)
        return u"il valore dei beni può avere al massimo %1 cifre (ad esempio %2)"_s.arg(
            QString::number(maxValueDigits), Numbers::formatAmount(120000.5, locale));
    const auto badCount = [](double count) { return !(count >= 0) || std::floor(count) != count; };
    const QString expected = u" deve essere un numero intero: 0, 1, 2 e così via (vuoto vale 0)"_s;
    if (badCount(state.figli))
        return u"il numero dei figli"_s + expected;
    if (badCount(state.ascendenti))
        return u"il numero degli ascendenti"_s + expected;
    if (state.coniuge != 0 && state.coniuge != 1)
        return u"il coniuge deve essere indicato con sì o no"_s;
    if (badCount(state.fratelli))
        return u"il numero dei fratelli"_s + expected;
    return {};
}

void azzeraquote(Results& results)
{
    for (int column = 1; column <= 2; ++column) {
        results.quotafigli[column].clear();
        results.quotaascendenti[column].clear();
        results.quotaconiuge[column].clear();
        results.quotafratelli[column].clear();
    }
    results.quotadisponibile[1].clear();
    for (int row = 1; row <= 8; ++row) {
        results.quota1[row].clear();
        results.quota2[row].clear();
        results.valori1[row] = Valore::number(0);
        results.valori2[row] = Valore::number(0);
    }
    for (int column = 1; column <= 2; ++column) {
        results.quotafiglio[column].clear();
        results.quotaascendente[column].clear();
        results.quotafratello[column].clear();
    }
}

void clearResults(Results& results)
{
    azzeraquote(results);
    results.art.clear();
    results.nota.clear();
    results.notaVisible = false;
    results.caso = 0;
}

void calcolaquote(const CalculatorState& state, Results& results, const QLocale& locale)
{
    clearResults(results);
    if (!inputFault(state, locale).isEmpty())
        return;
    results.caso = findCaso(state);
    const int rule = results.caso >= 1 && results.caso <= 11 ? results.caso : 1;
    const Computation computation{state, results, locale, *valueReading(state.beni, locale), rule};
    computation.fillShares();
    computation.sharesOfEachHeir();
    computation.writeNotes();
    computation.showAmounts();
}
