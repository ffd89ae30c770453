#ifndef BYTERULES_H
#define BYTERULES_H

#include "speakerapi.h"

#include <QString>
#include <QTest>

Q_DECLARE_METATYPE(SpeakerApi::SettingsProblem)

// Values as pasting and typing bring them, and what the rule for names and passwords says of each,
// as a name and as a WLAN password: one table for the rule and for both front ends that apply it.
struct ByteRuleRow
{
    const char *tag;
    const char *value; // UTF-8
    SpeakerApi::SettingsProblem asName;
    SpeakerApi::SettingsProblem asPassword;
};

inline const ByteRuleRow byteRuleRows[] = {
    { "line end", "Sommer-2024!\n", SpeakerApi::SettingsProblem::NameControlCharacter,
      SpeakerApi::SettingsProblem::PasswordControlCharacter },
    { "CR LF", "Sommer-2024!\r\n", SpeakerApi::SettingsProblem::NameControlCharacter,
      SpeakerApi::SettingsProblem::PasswordControlCharacter },
    { "tab inside", "Living\tRoom 24", SpeakerApi::SettingsProblem::NameControlCharacter,
      SpeakerApi::SettingsProblem::PasswordControlCharacter },
    { "U+0001 first", "\x01Sommer-2024", SpeakerApi::SettingsProblem::NameControlCharacter,
      SpeakerApi::SettingsProblem::PasswordControlCharacter },
    { "DEL", "Sommer\x7f-2024", SpeakerApi::SettingsProblem::NameControlCharacter,
      SpeakerApi::SettingsProblem::PasswordControlCharacter },
    { "C1 U+0080", "Sommer-2024\xc2\x80", SpeakerApi::SettingsProblem::NameControlCharacter,
      SpeakerApi::SettingsProblem::PasswordControlCharacter },
    { "C1 U+009F", "Sommer\xc2\x9f-2024", SpeakerApi::SettingsProblem::NameControlCharacter,
      SpeakerApi::SettingsProblem::PasswordControlCharacter },
    { "leading blank", " Sommer-2024", SpeakerApi::SettingsProblem::NameBlankEdges,
      SpeakerApi::SettingsProblem::None },
    { "trailing blank", "Sommer-2024 ", SpeakerApi::SettingsProblem::NameBlankEdges,
      SpeakerApi::SettingsProblem::None },
    { "trailing no-break space", "Sommer-2024\xc2\xa0", SpeakerApi::SettingsProblem::NameBlankEdges,
      SpeakerApi::SettingsProblem::None },
    { "blanks inside, U+007E and U+00A0", "Sommer 2024~\xc2\xa0!",
      SpeakerApi::SettingsProblem::None, SpeakerApi::SettingsProblem::None },
};

// The rows as a QTest data table: value, asName, asPassword.
inline void addByteRuleRows()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<SpeakerApi::SettingsProblem>("asName");
    QTest::addColumn<SpeakerApi::SettingsProblem>("asPassword");
    for (const ByteRuleRow &row : byteRuleRows)
        QTest::newRow(row.tag) << QString::fromUtf8(row.value) << row.asName << row.asPassword;
}

#endif // BYTERULES_H
