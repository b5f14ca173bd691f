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

using enum ResultRow;

struct Caption
{
    ResultRow row;
    QString text;
};

struct Amount
{
    ResultRow row;
    Source source;
    double numerator = 1;
    double denominator = 1;
};

struct ColumnRule
{
    std::vector<Caption> captions;
    std::vector<Amount> amounts;
};

// One rule per configuration, Coniuge to Figlio.
using ColumnRules = std::array<ColumnRule, 11>;

Amount share(ResultRow row, double numerator, double denominator)
{
    return {row, Source::Share, numerator, denominator};
}

// Column 1, the testamentary succession: the shares reserved to the
// legitimaries (arts. 536-544) and the disposable portion.
const ColumnRules& column1Rules()
{
    static const ColumnRules rules = {{
        {{{Coniuge, u"1/2"_s}, {Disponibile, u"1/2"_s}},
         {share(Coniuge, 1, 2), share(Disponibile, 1, 2)}},
        {{{Coniuge, u"1/2"_s}, {Fratelli, u"nulla"_s}, {Disponibile, u"1/2"_s}},
         {share(Coniuge, 1, 2), share(Disponibile, 1, 2), {Fratelli, Source::Nulla}}},
        {{{Ascendenti, u"1/4"_s}, {Coniuge, u"2/4"_s}, {Disponibile, u"1/4"_s}},
         {share(Ascendenti, 1, 4), share(Coniuge, 1, 2), share(Disponibile, 1, 4)}},
        {{{Ascendenti, u"1/4"_s},
          {Coniuge, u"2/4"_s},
          {Fratelli, u"nulla"_s},
          {Disponibile, u"1/4"_s}},
         {share(Ascendenti, 1, 4), share(Coniuge, 2, 4), share(Disponibile, 1, 4)}},
        {{{Fratelli, u"nulla"_s}, {Disponibile, u"intero"_s}}, {share(Disponibile, 1, 1)}},
        {{{Ascendenti, u"1/3"_s}, {Disponibile, u"2/3"_s}},
         {share(Ascendenti, 1, 3), share(Disponibile, 2, 3)}},
        {{{Ascendenti, u"1/3"_s}, {Fratelli, u"nulla"_s}, {Disponibile, u"2/3"_s}},
         {share(Ascendenti, 1, 3), share(Disponibile, 2, 3)}},
        {{{Figli, u"2/4"_s}, {Coniuge, u"1/4"_s}, {Disponibile, u"1/4"_s}},
         {share(Figli, 1, 2), share(Coniuge, 1, 4), share(Disponibile, 1, 4)}},
        {{{Figli, u"2/3"_s}, {Disponibile, u"1/3"_s}},
         {share(Figli, 2, 3), share(Disponibile, 1, 3)}},
        {{{Figli, u"1/3"_s}, {Coniuge, u"1/3"_s}, {Disponibile, u"1/3"_s}},
         {share(Figli, 1, 3), share(Coniuge, 1, 3), share(Disponibile, 1, 3)}},
        {{{Figli, u"1/2"_s}, {Disponibile, u"1/2"_s}},
         {share(Figli, 1, 2), share(Disponibile, 1, 2)}},
    }};
    return rules;
}

// Column 2, the legitimate succession (arts. 565-586).
const ColumnRules& column2Rules()
{
    static const ColumnRules rules = {{
        {{{Coniuge, u"intero"_s}}, {{Coniuge, Source::Beni}}},
        {{{Coniuge, u"2/3"_s}, {Fratelli, u"1/3"_s}},
         {share(Coniuge, 2, 3), share(Fratelli, 1, 3)}},
        {{{Ascendenti, u"1/3"_s}, {Coniuge, u"2/3"_s}},
         {share(Coniuge, 2, 3), share(Ascendenti, 1, 3)}},
        {{{Ascendenti, u"3/12"_s}, {Coniuge, u"8/12"_s}, {Fratelli, u"1/12"_s}},
         {share(Ascendenti, 3, 12), share(Coniuge, 8, 12), share(Fratelli, 1, 12)}},
        {{{Fratelli, u"intero"_s}}, {{Fratelli, Source::Beni}}},
        {{{Ascendenti, u"intero"_s}}, {{Ascendenti, Source::Beni}}},
        {{{Ascendenti, u"min.metà"_s}, {Fratelli, u"max metà"_s}},
         {share(Ascendenti, 1, 2), share(Fratelli, 1, 2)}},
        {{{Coniuge, u"1/3"_s}, {Figli, u"2/3"_s}}, {share(Coniuge, 1, 3), share(Figli, 2, 3)}},
        {{{Figli, u"intero"_s}}, {{Figli, Source::Beni}}},
        {{{Coniuge, u"1/2"_s}, {Figli, u"1/2"_s}}, {share(Coniuge, 1, 2), share(Figli, 1, 2)}},
        {{{Figli, u"intero"_s}}, {{Figli, Source::Beni}}},
    }};
    return rules;
}

// Articles by configuration: testamentary, legitimate, both.
const std::array<std::array<QString, 3>, 11>& articleLists()
{
    static const std::array<std::array<QString, 3>, 11> lists = {{
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

const QString& stateNote()
{
    static const QString text = QStringLiteral(
        "In questo caso, se non vi sono altri parenti entro il sesto grado (art.572),ai sensi "
        "dell'art.586 del Codice Civile, i beni vanno allo Stato.");
    return text;
}

// Each test that holds overrides the earlier ones; with none (no heirs), Nessuna.
Configuration findConfiguration(const CalculatorState& s)
{
    const double f = s.figli;
    const double a = s.ascendenti;
    const double b = s.fratelli;
    const bool spouse = s.coniuge == Spouse::Si;
    const bool noSpouse = s.coniuge == Spouse::No;
    using enum Configuration;
    Configuration found = Nessuna;
    if (spouse && f == 0 && b == 0 && a == 0)
        found = Coniuge;
    if (spouse && b > 0 && a == 0 && f == 0)
        found = ConiugeFratelli;
    if (spouse && a > 0 && b == 0 && f == 0)
        found = ConiugeAscendenti;
    if (spouse && a > 0 && b > 0 && f == 0)
        found = ConiugeAscendentiFratelli;
    if (b > 0 && noSpouse && f == 0 && a == 0)
        found = Fratelli;
    if (a > 0 && noSpouse && b == 0 && f == 0)
        found = Ascendenti;
    if (a > 0 && b > 0 && noSpouse && f == 0)
        found = AscendentiFratelli;
    if (spouse && f > 1)
        return ConiugeFigli;
    if (f > 1)
        found = Figli;
    if (spouse && f == 1)
        found = ConiugeFiglio;
    if (f == 1 && noSpouse)
        found = Figlio;
    return found;
}

// The index of a configuration's rules; with no configuration the rules of
// the spouse alone are read, whose captions the notes then replace.
std::size_t ruleIndex(Configuration configuration)
{
    const int number = configurationNumber(configuration);
    return static_cast<std::size_t>(number > 0 ? number - 1 : 0);
}

struct Computation
{
    const CalculatorState& state;
    Results& results;
    const QLocale& locale;
    double value; // the value of the estate, greater than 0
    std::size_t rule;
    SuccessionType type;

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

    void writeCaptions(const ColumnRule& rule, ResultColumn column) const
    {
        for (const Caption& caption : rule.captions)
            results.fraction(caption.row, column) = caption.text;
    }

    void writeAmounts(const ColumnRule& rule, ResultColumn column) const
    {
        for (const Amount& amount : rule.amounts)
            results.valore(amount.row, column) = amountOf(amount);
    }

    void fillShares() const
    {
        const auto& articles = articleLists()[rule];
        switch (type) {
        case SuccessionType::Entrambe:
            results.art = articles[2];
            break;
        case SuccessionType::Legittima:
            results.art = articles[1];
            break;
        case SuccessionType::Testamentaria:
            results.art = articles[0];
            break;
        }
        if (showsColumn(type, ResultColumn::Testamentaria)) {
            writeCaptions(column1Rules()[rule], ResultColumn::Testamentaria);
            writeAmounts(column1Rules()[rule], ResultColumn::Testamentaria);
        }
        if (showsColumn(type, ResultColumn::Legittima)) {
            writeCaptions(column2Rules()[rule], ResultColumn::Legittima);
            writeAmounts(column2Rules()[rule], ResultColumn::Legittima);
        }
    }

    // The percentage of the estate an amount represents, rounded half up to
    // three decimals.
    QString pct(const Valore& amount) const
    {
        const double x = amount.toNumber(locale).value_or(0.0);
        return Numbers::numberText(std::floor(x / value * 100000 + 0.5) / 1000, locale);
    }

    void divide(ResultRow from, ResultRow to, ResultColumn column, double count) const
    {
        const double whole = results.valore(from, column).toNumber(locale).value_or(0.0);
        results.valore(to, column) = Valore::number(whole / count);
        results.fraction(to, column) = pct(results.valore(to, column));
    }

    void shareOfEach(ResultRow from, ResultRow to, double count) const
    {
        if (count <= 1)
            return;
        for (const ResultColumn column : resultColumns) {
            if (showsColumn(type, column))
                divide(from, to, column, count);
        }
    }

    // Only a column that gives the brothers and sisters a share has a share
    // for each of them, whatever the type.
    void shareOfEachBrother() const
    {
        if (state.fratelli <= 1)
            return;
        for (const ResultColumn column : resultColumns) {
            if (results.valore(Fratelli, column).toNumber(locale).value_or(0.0) > 0)
                divide(Fratelli, Fratello, column, state.fratelli);
        }
    }

    void sharesOfEachHeir() const
    {
        shareOfEach(Figli, Figlio, state.figli);
        shareOfEach(Ascendenti, Ascendente, state.ascendenti);
        shareOfEachBrother();
    }

    void writeNotes() const
    {
        results.notaVisible = false;
        const bool noDescendantsNorSpouse = state.figli == 0 && state.coniuge == Spouse::No;
        if (noDescendantsNorSpouse && state.ascendenti > 0 && state.fratelli > 0) {
            results.nota = unilateralNote();
            results.notaVisible = true;
        }
        if (!noDescendantsNorSpouse || state.ascendenti != 0 || state.fratelli != 0)
            return;
        // No heirs: what the configuration of an earlier computation wrote goes.
        azzeraquote(results);
        if (type == SuccessionType::Legittima) {
            results.nota = stateNote();
            results.notaVisible = true;
            results.art = u"586"_s;
            return;
        }
        results.fraction(Disponibile, ResultColumn::Testamentaria) = u"100"_s;
        results.amount(Disponibile, ResultColumn::Testamentaria) = state.beni;
        results.art.clear();
    }

    // Every amount greater than 0 is shown, however small; "nulla" is not an amount.
    void showAmount(ResultRow row, ResultColumn column) const
    {
        const std::optional<double> number = results.valore(row, column).toNumber(locale);
        if (!number || !(*number > 0) || !std::isfinite(*number))
            return;
        results.amount(row, column) = Numbers::formatAmount(*number, locale);
    }

    void showAmounts() const
    {
        for (const ResultRow row : resultRows) {
            for (const ResultColumn column : resultColumns)
                showAmount(row, column);
        }
    }
};

} // namespace

std::optional<SuccessionType> typeOf(const QString& successione)
{
    if (successione == u"testamentaria")
        return SuccessionType::Testamentaria;
    if (successione == u"legittima")
        return SuccessionType::Legittima;
    if (successione == u"entrambe")
        return SuccessionType::Entrambe;
    return std::nullopt;
}

TypeField typeReading(const QString& successione)
{
    if (const auto type = typeOf(successione.trimmed().toLower()))
        return TypeField::of(*type);
    return successione.trimmed().isEmpty() ? TypeField::empty() : TypeField::bad();
}

QString typeWord(SuccessionType type)
{
    switch (type) {
    case SuccessionType::Testamentaria:
        return u"testamentaria"_s;
    case SuccessionType::Legittima:
        return u"legittima"_s;
    case SuccessionType::Entrambe:
        return u"entrambe"_s;
    }
    return {};
}

std::optional<Spouse> spouseReading(const QString& coniuge)
{
    const QString word = coniuge.trimmed().toLower();
    if (word == u"sì" || word == u"si")
        return Spouse::Si;
    if (word == u"no")
        return Spouse::No;
    return std::nullopt;
}

QString spouseWord(Spouse spouse)
{
    return spouse == Spouse::Si ? u"sì"_s : u"no"_s;
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
    if (!state.successione.type && !state.successione.unreadable)
        return missingTypeText();
    if (!state.successione.type)
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
    if (!state.coniuge)
        return u"il coniuge deve essere indicato con sì o no"_s;
    if (badCount(state.fratelli))
        return u"il numero dei fratelli"_s + expected;
    return {};
}

void azzeraquote(Results& results)
{
    for (const ResultRow row : resultRows) {
        for (const ResultColumn column : resultColumns) {
            // Without a will there is no disposable portion: its "0" stays.
            if (row != Disponibile || column != ResultColumn::Legittima)
                results.fraction(row, column).clear();
            results.amount(row, column).clear();
            results.valore(row, column) = Valore::number(0);
        }
    }
}

void clearResults(Results& results)
{
    azzeraquote(results);
    results.art.clear();
    results.nota.clear();
    results.notaVisible = false;
    results.configuration = Configuration::Nessuna;
}

void calcolaquote(const CalculatorState& state, Results& results, const QLocale& locale)
{
    clearResults(results);
    if (!inputFault(state, locale).isEmpty())
        return;
    results.configuration = findConfiguration(state);
    const Computation computation{state,
                                  results,
                                  locale,
                                  *valueReading(state.beni, locale),
                                  ruleIndex(results.configuration),
                                  *state.successione.type};
    computation.fillShares();
    computation.sharesOfEachHeir();
    computation.writeNotes();
    computation.showAmounts();
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

const QString& missingTypeText()
{
    static const QString text = u"scegliere la tipologia della successione"_s;
    return text;
}
