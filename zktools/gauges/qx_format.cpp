// Picture formatting. The value is first taken to 15 significant digits (so
// that 2.675 formats like the decimal it stands for), then rounded half away
// from zero to the places the picture shows.
#include "zktools/gauges/qx_format.h"

#include <QStringList>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace zk::gauges {

namespace {

// A value as decimal digits: value = 0.d1d2d3... x 10^exponent, digits without
// leading zeros (empty for zero).
struct Decimal {
    std::string digits;
    int exponent = 0;
};

Decimal ToDecimal(long double value) {
    Decimal d;
    if (value == 0)
        return d;
    // A value a double holds exactly (every float does) comes out the same from
    // to_chars, at a fraction of printf's cost.
    char buffer[64];
    const char* end = buffer;
    const double asDouble = static_cast<double>(value);
    if (static_cast<long double>(asDouble) == value) {
        end = std::to_chars(buffer, buffer + sizeof buffer, asDouble, std::chars_format::scientific,
                            14)
                  .ptr;
    } else {
        const int n = std::snprintf(buffer, sizeof buffer, "%.14Le", value);
        end = buffer + std::clamp(n, 0, static_cast<int>(sizeof buffer) - 1);
    }
    const char* p = buffer;
    for (; p != end && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9')
            d.digits.push_back(*p);
    int exp10 = 0;
    if (p != end) {
        ++p;
        // from_chars takes a minus sign but no plus.
        if (p != end && *p == '+')
            ++p;
        std::from_chars(p, end, exp10);
    }
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
    d.exponent = exp10 + 1;
    return d;
}

// Rounds to `places` digits after the decimal point, half away from zero.
void RoundTo(Decimal& d, int places) {
    const int keep = d.exponent + places; // digits that stay
    if (keep >= static_cast<int>(d.digits.size()))
        return;
    if (keep < 0) {
        d.digits.clear();
        return;
    }
    const bool up = d.digits[keep] >= '5';
    d.digits.resize(keep);
    if (up) {
        int i = keep - 1;
        while (i >= 0 && d.digits[i] == '9') {
            d.digits[i] = '0';
            --i;
        }
        if (i >= 0) {
            ++d.digits[i];
        } else {
            d.digits.insert(d.digits.begin(), '1');
            ++d.exponent;
        }
    }
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
    if (d.digits.empty())
        d.exponent = 0;
}

struct Token {
    enum Kind { Literal, Digit, Point, Exponent } kind = Literal;
    QString text;      // literal text
    bool zero = false; // '0' (else '#')
    bool fraction = false;
    QChar expSign;     // '+' or '-'
    QChar expLetter;   // 'E' or 'e'
    int expDigits = 0; // minimum exponent digits
};

struct Picture {
    std::vector<Token> tokens;
    int intPlaces = 0;
    int intMin = 0;
    int fracPlaces = 0;
    int fracMin = 0;
    bool thousands = false;
    bool scientific = false;
};

QStringList SplitSections(const QString& format) {
    QStringList sections;
    QString current;
    QChar quote;
    for (QChar c : format) {
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == u'"' || c == u'\'') {
            quote = c;
        } else if (c == u';') {
            sections << current;
            current.clear();
            continue;
        }
        current += c;
    }
    sections << current;
    return sections;
}

Picture Parse(const QString& section) {
    Picture pic;
    bool afterPoint = false;
    int firstIntZero = -1;
    int lastFracZero = -1;
    for (int i = 0; i < section.size(); ++i) {
        const QChar c = section[i];
        Token t;
        if (c == u'"' || c == u'\'') {
            const int end = section.indexOf(c, i + 1);
            t.text = section.mid(i + 1, end < 0 ? -1 : end - i - 1);
            i = end < 0 ? static_cast<int>(section.size()) : end;
            pic.tokens.push_back(t);
            continue;
        }
        if ((c == u'0' || c == u'#') && !pic.scientific) {
            t.kind = Token::Digit;
            t.zero = c == u'0';
            t.fraction = afterPoint;
            if (afterPoint) {
                if (t.zero)
                    lastFracZero = pic.fracPlaces;
                ++pic.fracPlaces;
            } else {
                if (t.zero && firstIntZero < 0)
                    firstIntZero = pic.intPlaces;
                ++pic.intPlaces;
            }
            pic.tokens.push_back(t);
            continue;
        }
        if (c == u'.' && !afterPoint && !pic.scientific) {
            afterPoint = true;
            t.kind = Token::Point;
            pic.tokens.push_back(t);
            continue;
        }
        if (c == u',' && !afterPoint && !pic.scientific) {
            pic.thousands = true;
            continue;
        }
        if ((c == u'E' || c == u'e') && i + 1 < section.size() &&
            (section[i + 1] == u'+' || section[i + 1] == u'-') && !pic.scientific) {
            t.kind = Token::Exponent;
            t.expLetter = c;
            t.expSign = section[i + 1];
            int j = i + 2;
            while (j < section.size() && section[j] == u'0') {
                ++t.expDigits;
                ++j;
            }
            i = j - 1;
            pic.scientific = true;
            pic.tokens.push_back(t);
            continue;
        }
        t.text = QString(c);
        pic.tokens.push_back(t);
    }
    pic.intMin = firstIntZero < 0 ? 0 : pic.intPlaces - firstIntZero;
    pic.fracMin = lastFracZero + 1;
    return pic;
}

QString Group(const QString& digits) {
    QString out;
    const int n = static_cast<int>(digits.size());
    for (int i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += u',';
        out += digits[i];
    }
    return out;
}

// Formats the absolute value with one picture; negative adds a leading "-".
QString Render(const Picture& pic, Decimal d, bool negative) {
    int exponentValue = 0;
    if (pic.scientific && !d.digits.empty()) {
        const int lead = pic.intPlaces > 0 ? pic.intPlaces : 1;
        exponentValue = d.exponent - lead;
        d.exponent = lead;
        RoundTo(d, pic.fracPlaces);
        if (d.exponent > lead) { // rounding carried into a new digit
            ++exponentValue;
            d.exponent = lead;
        }
    } else {
        RoundTo(d, pic.fracPlaces);
    }
    // Integer and fraction digit texts.
    QString intDigits;
    for (int i = 0; i < d.exponent; ++i)
        intDigits += i < static_cast<int>(d.digits.size()) ? QChar(d.digits[i]) : QChar(u'0');
    while (intDigits.size() < pic.intMin)
        intDigits.prepend(u'0');
    QString fracDigits;
    for (int k = 0; k < pic.fracPlaces; ++k) {
        const int index = d.exponent + k;
        fracDigits += index >= 0 && index < static_cast<int>(d.digits.size())
                          ? QChar(d.digits[index])
                          : QChar(u'0');
    }
    while (fracDigits.size() > pic.fracMin && fracDigits.endsWith(u'0'))
        fracDigits.chop(1);
    const bool isZero = d.digits.empty();
    if (pic.thousands)
        intDigits = Group(intDigits);

    QString out;
    int intSeen = 0;
    int fracSeen = 0;
    bool intWritten = false;
    for (const Token& t : pic.tokens) {
        switch (t.kind) {
        case Token::Literal:
            out += t.text;
            break;
        case Token::Digit:
            if (!t.fraction) {
                if (pic.thousands) {
                    if (!intWritten)
                        out += intDigits;
                    intWritten = true;
                } else {
                    // Right-aligned; extra leading digits go with the first placeholder.
                    const int pad = pic.intPlaces - static_cast<int>(intDigits.size());
                    if (intSeen == 0 && pad < 0)
                        out += intDigits.left(-pad + 1);
                    else if (intSeen - pad >= 0)
                        out += intDigits[intSeen - pad];
                    intWritten = true;
                }
                ++intSeen;
            } else {
                if (fracSeen < fracDigits.size())
                    out += fracDigits[fracSeen];
                ++fracSeen;
            }
            break;
        case Token::Point:
            if (pic.intPlaces == 0 && !intWritten)
                out += intDigits;
            intWritten = true;
            if (!fracDigits.isEmpty())
                out += u'.';
            break;
        case Token::Exponent: {
            out += t.expLetter;
            if (exponentValue < 0)
                out += u'-';
            else if (t.expSign == u'+')
                out += u'+';
            QString e = QString::number(std::abs(exponentValue));
            while (e.size() < t.expDigits)
                e.prepend(u'0');
            out += e;
            break;
        }
        }
    }
    if (!intWritten)
        out.prepend(intDigits);
    if (negative && !isZero)
        out.prepend(u'-');
    return out;
}

// A format's sections, each parsed once: a control formats every new value
// with the same picture.
struct ParsedFormat {
    QString format;
    QStringList sections;
    std::vector<Picture> pictures;
};

const ParsedFormat& Parsed(const QString& format) {
    thread_local ParsedFormat last;
    thread_local bool filled = false;
    if (!filled || last.format != format) {
        last.format = format;
        last.sections = SplitSections(format);
        last.pictures.clear();
        for (const QString& section : last.sections)
            last.pictures.push_back(Parse(section));
        filled = true;
    }
    return last;
}

} // namespace

QString FormatFloat(const QString& format, long double value) {
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    if (format.isEmpty())
        return QString::number(static_cast<double>(value), 'g', 15);
    const ParsedFormat& parsed = Parsed(format);
    const QStringList& sections = parsed.sections;
    const Decimal d = ToDecimal(std::fabs(value));
    const Picture& positive = parsed.pictures[0];
    // The zero section applies when the value shows as zero in the first section.
    if (sections.size() > 2 && !sections[2].isEmpty()) {
        Decimal probe = d;
        RoundTo(probe, positive.fracPlaces);
        if (probe.digits.empty())
            return Render(parsed.pictures[2], Decimal{}, false);
    }
    if (value < 0 && sections.size() > 1 && !sections[1].isEmpty())
        return Render(parsed.pictures[1], d, false);
    return Render(positive, d, value < 0);
}

} // namespace zk::gauges
