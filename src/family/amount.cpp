#include "amount.h"

#include <QRegularExpression>

std::optional<Amount> Amount::fromText(const QString& text)
{
    static const QRegularExpression decimal(QStringLiteral("^([0-9]+)(?:\\.([0-9]+))?$"));
    const QRegularExpressionMatch match = decimal.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const QString decimals = match.captured(2);
    const mpz_class numerator((match.captured(1) + decimals).toStdString(), 10);
    mpz_class denominator;
    mpz_ui_pow_ui(denominator.get_mpz_t(), 10, static_cast<unsigned long>(decimals.size()));
    return Amount(Fraction(mpq_class(numerator, denominator)));
}

Amount Amount::share(const Fraction& fraction) const
{
    // Half up, the amounts being never negative: for x = n / d, the cents are
    // floor(x * 100 + 1/2) = floor((200 n + d) / (2 d)). Worked in place, as
    // this runs for every heir at every computation.
    const mpq_class& value = m_value.value();
    const mpq_class& part = fraction.value();
    mpq_class cents;
    mpz_ptr numerator = cents.get_num_mpz_t();
    mpz_ptr denominator = cents.get_den_mpz_t();
    mpz_mul(denominator, value.get_den_mpz_t(), part.get_den_mpz_t());
    mpz_mul(numerator, value.get_num_mpz_t(), part.get_num_mpz_t());
    mpz_mul_ui(numerator, numerator, 200);
    mpz_add(numerator, numerator, denominator);
    mpz_mul_2exp(denominator, denominator, 1);
    mpz_fdiv_q(numerator, numerator, denominator);
    mpz_set_ui(denominator, 100);
    return Amount(Fraction(std::move(cents)));
}

QString Amount::text() const
{
    if (m_value < Fraction())
        return u'-' + (Amount() - *this).text();
    const mpq_class& value = m_value.value();
    mpz_class scale = 100;
    int decimals = 2;
    while (
        !mpz_divisible_p(mpz_class(value.get_num() * scale).get_mpz_t(), value.get_den_mpz_t())) {
        scale *= 10;
        ++decimals;
    }
    const mpz_class scaled = value.get_num() * scale / value.get_den();
    QString digits = QString::fromStdString(scaled.get_str());
    if (digits.size() <= decimals)
        digits = QString(decimals + 1 - digits.size(), u'0') + digits;
    return digits.left(digits.size() - decimals) + u'.' + digits.right(decimals);
}
