#include "access/PasswordRules.h"

QString CPasswordRules::ToUpper(const QString& text) {
    QString upper = text;
    for (QChar& c : upper) {
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z')) {
            c = QChar(c.unicode() - u'a' + u'A');
        }
    }
    return upper;
}

bool CPasswordRules::IsValidPassword(QString& text) {
    text = ToUpper(text);
    for (const QChar c : text) {
        if (c.unicode() < kFirstAllowed || c.unicode() > kLastAllowed) {
            return false;
        }
    }
    return true;
}

bool CPasswordRules::IsEqual(const QString& a, const QString& b) {
    return a.size() == b.size() && ToUpper(a) == ToUpper(b);
}
