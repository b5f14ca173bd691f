// Saves two long cases in turn into the file named on the command line until
// it is killed: the writer a test stops and kills in the middle of a save.
#include "succession/casefile.h"

#include <QCoreApplication>
#include <QStringList>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 2)
        return 2;
    CaseRecord first, second;
    first.decuius = QString(60000, u'a');
    second.decuius = QString(60000, u'b');
    second.figli = QStringLiteral("2");
    for (bool turn = false;; turn = !turn) {
        if (!CaseFile::write(turn ? second : first, arguments.at(1)))
            return 1;
    }
}
