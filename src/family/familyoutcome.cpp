#include "familyoutcome.h"

#include <gmpxx.h>

using namespace Qt::Literals::StringLiterals;

namespace FamilyOutcome {

QString onCommonDenominator(const Fraction& share, const Section& section)
{
    mpz_class denominator = 1;
    const auto take = [&denominator](const Fraction& fraction) {
        mpz_lcm(denominator.get_mpz_t(), denominator.get_mpz_t(), fraction.value().get_den_mpz_t());
    };
    for (const HeirShare& heir : section.shares)
        take(heir.share);
    if (section.stateShare)
        take(*section.stateShare);
    if (section.disponibile)
        take(*section.disponibile);
    take(share);
    const mpz_class numerator = share.value().get_num() * (denominator / share.value().get_den());
    return QString::fromStdString(numerator.get_str()) + u'/' +
           QString::fromStdString(denominator.get_str());
}

} // namespace FamilyOutcome
