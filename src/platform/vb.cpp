#include "platform/vb.h"

#include "platform/text_file.h"

#include <QDate>
#include <QRegularExpression>

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace mf::vb {

namespace {

bool isAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// Parses an ASCII number text with strtod; empty when the text is no number or the value
// does not fit a double.
std::optional<double> parseDouble(const std::string& ascii) {
    if (ascii.empty())
        return std::nullopt;
    // from_chars rounds as strtod does and is several times faster; a leading "+", a value
    // beyond its range (an underflow strtod takes as 0) and anything else go the long way.
    {
        const char* first = ascii.data();
        const char* last = first + ascii.size();
        double v = 0;
        if (*first != '+') {
            const auto [end, ec] = std::from_chars(first, last, v);
            if (ec == std::errc() && end == last)
                return std::isfinite(v) ? std::optional<double>(v) : std::nullopt;
        }
    }
    errno = 0;
    char* end = nullptr;
    const double v = std::strtod(ascii.c_str(), &end);
    if (end == ascii.c_str() || *end != '\0' || !std::isfinite(v))
        return std::nullopt;
    return v;
}

} // namespace

double val(const QString& s) {
    // Blanks, tabs and line feeds are skipped anywhere in the text.
    std::string num;
    bool mantissaDigits = false;
    bool point = false;
    enum { Sign, Mantissa, ExpSign, ExpDigits } state = Sign;
    std::string expPart;
    for (QChar c : s) {
        if (c == u' ' || c == u'\t' || c == u'\n')
            continue;
        if (state == Sign) {
            state = Mantissa;
            if (c == u'+' || c == u'-') {
                num += char(c.unicode());
                continue;
            }
        }
        if (state == Mantissa) {
            if (isAsciiDigit(c)) {
                num += char(c.unicode());
                mantissaDigits = true;
            } else if (c == u'.' && !point) {
                num += '.';
                point = true;
            } else if (mantissaDigits && (c == u'e' || c == u'E' || c == u'd' || c == u'D')) {
                state = ExpSign;
            } else {
                break;
            }
            continue;
        }
        if (state == ExpSign) {
            state = ExpDigits;
            if (c == u'+' || c == u'-') {
                expPart += char(c.unicode());
                continue;
            }
        }
        if (isAsciiDigit(c))
            expPart += char(c.unicode());
        else
            break;
    }
    if (!mantissaDigits)
        return 0.0;
    // An exponent without digits ("1e", "1e+") is not part of the number.
    if (!expPart.empty() && isAsciiDigit(QChar(expPart.back())))
        num += 'e' + expPart;
    const auto v = parseDouble(num);
    if (!v || *v == 0.0)
        return 0.0;   // overflow gives 0; -0 reads as 0
    return *v;
}

QString ltrim(const QString& s) {
    qsizetype i = 0;
    while (i < s.size() && s.at(i) == u' ')
        ++i;
    return s.mid(i);
}

QString rtrim(const QString& s) {
    qsizetype n = s.size();
    while (n > 0 && s.at(n - 1) == u' ')
        --n;
    return s.left(n);
}

QString trim(const QString& s) { return ltrim(rtrim(s)); }

std::optional<qint64> roundEven(double x, qint64 lo, qint64 hi) {
    if (!std::isfinite(x))
        return std::nullopt;
    const double r = std::nearbyint(x);   // the default rounding mode takes halves to even
    // 2^63 is the first double beyond qint64; compare in double before converting.
    if (r >= 9223372036854775808.0 || r < -9223372036854775808.0)
        return std::nullopt;
    const auto i = static_cast<qint64>(r);
    if (i < lo || i > hi)
        return std::nullopt;
    return i;
}

std::optional<qint16> toInt16(double x) {
    const auto r = roundEven(x, -32768, 32767);
    if (!r)
        return std::nullopt;
    return static_cast<qint16>(*r);
}

std::optional<qint32> toInt32(double x) {
    const auto r = roundEven(x, -2147483648LL, 2147483647LL);
    if (!r)
        return std::nullopt;
    return static_cast<qint32>(*r);
}

QString formatFixed(double x, int decimals) {
    if (decimals < 0)
        decimals = 0;
    if (!std::isfinite(x))
        return formatGeneral(x);
    // Round the 15 significant decimal digits of the value, halves away from zero, as the
    // run time's Format does: 2.675 gives "2.68", not the "2.67" of its binary value.
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", std::fabs(x));
    std::string digits;
    digits += buf[0];
    digits.append(buf + 2, 14);
    int exp10 = std::atoi(buf + 17);   // value = 0.<digits> * 10^(exp10 + 1)
    if (std::fabs(x) == 0.0)
        exp10 = 0;

    // Digits kept before rounding: the integer digits plus the decimals.
    const int keep = exp10 + 1 + decimals;
    std::string kept;   // digits of round(|x| * 10^decimals)
    if (keep < 0) {
        kept = "0";
    } else if (keep >= int(digits.size())) {
        kept = digits + std::string(keep - digits.size(), '0');
    } else {
        kept = digits.substr(0, keep);
        if (digits[keep] >= '5') {
            int i = int(kept.size()) - 1;
            while (i >= 0 && kept[i] == '9')
                kept[i--] = '0';
            if (i >= 0)
                ++kept[i];
            else
                kept.insert(kept.begin(), '1');
        }
        if (kept.empty())
            kept = "0";
    }
    // Pad so that there is at least one integer digit.
    if (int(kept.size()) < decimals + 1)
        kept.insert(0, decimals + 1 - kept.size(), '0');
    std::string intPart = kept.substr(0, kept.size() - decimals);
    const std::string fracPart = kept.substr(kept.size() - decimals);
    const auto nz = intPart.find_first_not_of('0');
    intPart = nz == std::string::npos ? "0" : intPart.substr(nz);

    const bool zero = kept.find_first_not_of('0') == std::string::npos;
    QString out;
    if (x < 0 && !zero)
        out += u'-';
    out += QString::fromLatin1(intPart);
    if (decimals > 0)
        out += u'.' + QString::fromLatin1(fracPart);
    return out;
}

namespace {
QString formatSignificant(double x, int digits) {
    if (x == 0.0)
        return QStringLiteral("0");   // also for -0
    if (std::isnan(x))
        return QStringLiteral("NaN");
    if (std::isinf(x))
        return x > 0 ? QStringLiteral("Inf") : QStringLiteral("-Inf");
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*G", digits, x);
    return QString::fromLatin1(buf);
}
} // namespace

QString formatGeneral(double x) { return formatSignificant(x, 15); }

QString formatGeneralSingle(float x) { return formatSignificant(double(x), 7); }

int byteLength(const QString& s) {
    // ASCII is one byte a character in GB18030; only other text needs the encoder.
    for (QChar c : s)
        if (c.unicode() >= 0x80)
            return int(encodeGb18030(s).size());
    return int(s.size());
}

bool isNumeric(const QString& s) {
    // Scanned by hand: a grid of tens of thousands of cells is judged cell by cell.
    const qsizetype n = s.size();
    qsizetype i = 0;
    auto blank = [&](qsizetype k) { return s.at(k) == u' ' || s.at(k) == u'\t'; };
    auto digits = [&] {
        const qsizetype from = i;
        while (i < n && isAsciiDigit(s.at(i)))
            ++i;
        return i - from;
    };
    while (i < n && blank(i))
        ++i;
    const qsizetype start = i;
    if (i < n && (s.at(i) == u'+' || s.at(i) == u'-'))
        ++i;
    const qsizetype whole = digits();
    qsizetype decimals = 0;
    if (i < n && s.at(i) == u'.') {
        ++i;
        decimals = digits();
    }
    if (whole == 0 && decimals == 0)
        return false;
    if (i < n && (s.at(i) == u'e' || s.at(i) == u'E')) {
        ++i;
        if (i < n && (s.at(i) == u'+' || s.at(i) == u'-'))
            ++i;
        if (digits() == 0)
            return false;
    }
    const qsizetype end = i;
    while (i < n && blank(i))
        ++i;
    // One line feed may end the text.
    if (i < n - 1 || (i == n - 1 && s.at(i) != u'\n'))
        return false;
    // The value must also fit a double ("1e999" is no number).
    return parseDouble(s.mid(start, end - start).toLatin1().toStdString()).has_value();
}

bool isDate(const QString& s) {
    static const QRegularExpression re(QStringLiteral(
        "^ *([0-9]{4})(?:([-/.])([0-9]{1,2})\\2([0-9]{1,2})|年([0-9]{1,2})月([0-9]{1,2})日?)"
        "(?: +([0-9]{1,2}):([0-9]{2})(?::([0-9]{2}))?)? *$"));
    const auto m = re.match(s);
    if (!m.hasMatch())
        return false;
    const int year = m.captured(1).toInt();
    const bool western = m.capturedLength(2) > 0;
    const int month = m.captured(western ? 3 : 5).toInt();
    const int day = m.captured(western ? 4 : 6).toInt();
    const QDate date(year, month, day);
    if (!date.isValid() || date < QDate(1900, 1, 1) || date > QDate(4000, 1, 1))
        return false;
    if (m.capturedLength(7) > 0) {
        const int h = m.captured(7).toInt();
        const int min = m.captured(8).toInt();
        const int sec = m.capturedLength(9) > 0 ? m.captured(9).toInt() : 0;
        if (h > 23 || min > 59 || sec > 59)
            return false;
        // The last accepted moment is 4000-01-01 at midnight.
        if (date == QDate(4000, 1, 1) && (h > 0 || min > 0 || sec > 0))
            return false;
    }
    return true;
}

} // namespace mf::vb
