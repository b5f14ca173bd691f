#include "longcases.h"

#include "family/familyfile.h"
#include "succession/casefile.h"

using namespace Qt::Literals::StringLiterals;

namespace {

CaseRecord longRecord(bool first)
{
    CaseRecord record;
    record.decuius = QString(60000, first ? u'a' : u'b');
    record.figli = first ? u"1"_s : u"2"_s;
    return record;
}

Family::FamilyCase longFamily(bool first)
{
    Family::FamilyCase family;
    family.decuius = first ? u"Primo"_s : u"Secondo"_s;
    family.relictum = *Amount::fromText(u"120000"_s);
    for (int i = 0; i < (first ? 600 : 700); ++i) {
        Family::Person child;
        child.id = u"f%1"_s.arg(i);
        child.name = QString(200, first ? u'a' : u'b');
        family.people.append(child);
    }
    return family;
}

} // namespace

QByteArray longCaseBytes(CaseWindow window, bool first)
{
    return window == CaseWindow::Successione ? CaseFile::encode(longRecord(first))
                                             : FamilyFile::encode(longFamily(first));
}

bool writeLongCase(CaseWindow window, bool first, const QString& fileName)
{
    return window == CaseWindow::Successione ? CaseFile::write(longRecord(first), fileName)
                                             : FamilyFile::write(longFamily(first), fileName);
}
