#include "entrywords.h"
#include "optionlists.h"

#include <QtTest>

using namespace orvesc;

class TestEntryWords : public QObject
{
    Q_OBJECT

private slots:
    // The window translates the word entries by the marked texts: a list word left unmarked stays
    // English among translated ones, and a marked word no list shows is a typo.
    void entryWordsAreTheListsWords()
    {
        QStringList words;
        for (const char *const *word = entryWords(); *word; ++word)
            words << QString::fromLatin1(*word);
        QStringList listed;
        for (std::string_view list :
             { optionlist::Brake, optionlist::Battery3S, optionlist::Battery8S, optionlist::LithiumCutoffShort,
               optionlist::LithiumCutoffLong, optionlist::NickelCutoff, optionlist::CutoffAction, optionlist::SoftStart,
               optionlist::Timing, optionlist::Frequency, optionlist::WarnVoltage, optionlist::Reverse,
               optionlist::RpmShort, optionlist::RpmLong, optionlist::AccelerationDelay,
               optionlist::AccelerationDisabled }) {
            for (const std::string &entry : splitOptionList(list)) {
                const QString shown = QString::fromStdString(entry).remove(QLatin1Char('*'));
                // Numbers with their unit, and the warn voltage's offsets, read alike in every language.
                if (!shown.isEmpty() && !shown.front().isDigit() && !shown.startsWith(QLatin1String("AC +"))
                    && !listed.contains(shown))
                    listed << shown;
            }
        }
        words.sort();
        listed.sort();
        QCOMPARE(words, listed);
    }
};

QTEST_APPLESS_MAIN(TestEntryWords)
#include "tst_entrywords.moc"
