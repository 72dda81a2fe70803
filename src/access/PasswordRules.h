#pragma once

#include <QString>

/// The rules every password of the program follows: typed passwords are compared without regard to
/// case, new ones are stored in upper case and may hold only the characters from the blank up to "_"
/// after upper-casing, the characters the scrambled storage can carry back unchanged.
class CPasswordRules {
public:
    static constexpr char16_t kFirstAllowed = 32;
    static constexpr char16_t kLastAllowed = 95;

    /// Raises a to z only: a wider upper case would turn characters the storage refuses into ones it
    /// accepts ("ß" into "SS") and hide a typing error.
    static QString ToUpper(const QString& text);
    /// Upper-cases the text in place; true when every character lies in 32..95. The empty text is valid.
    static bool IsValidPassword(QString& text);
    /// Same length and equal ignoring case.
    static bool IsEqual(const QString& a, const QString& b);
};
