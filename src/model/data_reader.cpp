#include "model/data_reader.h"

#include <iconv.h>

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace velunta {

namespace {

// ---- Encodings ---------------------------------------------------------------

// The text converted to UTF-8 by glibc's iconv, or nothing where it is not valid
// in `from` (so UTF-8 to UTF-8 is the validity check).
std::optional<std::string> toUtf8(std::string_view bytes, const char* from) {
    iconv_t cd = iconv_open("UTF-8", from);
    if (cd == iconv_t(-1)) return std::nullopt;
    std::string out(bytes.size() * 2 + 16, '\0');
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    char* dst = out.data();
    std::size_t outLeft = out.size();
    bool ok = true;
    while (inLeft > 0) {
        if (iconv(cd, &in, &inLeft, &dst, &outLeft) != std::size_t(-1)) break;
        if (errno != E2BIG) {
            ok = false;
            break;
        }
        const std::size_t used = std::size_t(dst - out.data());
        out.resize(out.size() * 2);
        dst = out.data() + used;
        outLeft = out.size() - used;
    }
    iconv_close(cd);
    if (!ok) return std::nullopt;
    out.resize(std::size_t(dst - out.data()));
    return out;
}

std::string decoded(std::string_view bytes) {
    auto starts = [&bytes](std::string_view bom) { return bytes.substr(0, bom.size()) == bom; };
    if (starts("\xEF\xBB\xBF")) bytes.remove_prefix(3);
    else if (starts("\xFF\xFE")) return toUtf8(bytes.substr(2), "UTF-16LE").value_or(std::string());
    else if (starts("\xFE\xFF")) return toUtf8(bytes.substr(2), "UTF-16BE").value_or(std::string());
    if (auto utf8 = toUtf8(bytes, "UTF-8")) return *utf8;
    // Not UTF-8: a Russian spreadsheet's own code page, in which every byte is a character.
    return toUtf8(bytes, "CP1251").value_or(std::string());
}

// ---- Text ----------------------------------------------------------------------

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '\r')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

// Lower case for the Latin and Cyrillic letters that column names and units use.
std::string lowered(std::string_view s) {
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const unsigned char ch = s[i];
        if (ch >= 'A' && ch <= 'Z') {
            out += char(ch - 'A' + 'a');
        } else if (ch == 0xD0 && i + 1 < s.size()) {
            const unsigned char next = s[++i];
            if (next >= 0x90 && next <= 0x9F) out += "\xD0", out += char(next + 0x20);        // А..П
            else if (next >= 0xA0 && next <= 0xAF) out += "\xD1", out += char(next - 0x20);   // Р..Я
            else if (next == 0x81) out += "\xD1\x91";                                           // Ё
            else out += "\xD0", out += char(next);
        } else {
            out += char(ch);
        }
    }
    return out;
}

// A decimal number, the comma as the decimal sign where `comma` allows it.
std::optional<double> number(std::string_view text, bool comma) {
    text = trimmed(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty() || text.size() > 64) return std::nullopt;
    char buf[65];
    for (std::size_t i = 0; i < text.size(); ++i) buf[i] = comma && text[i] == ',' ? '.' : text[i];
    // from_chars takes "inf" and "nan", which no measurement is.
    const char first = buf[0] == '-' ? (text.size() > 1 ? buf[1] : ' ') : buf[0];
    if (!(first == '.' || (first >= '0' && first <= '9'))) return std::nullopt;
    double v = 0;
    const auto [end, error] = std::from_chars(buf, buf + text.size(), v);
    if (error != std::errc() || end != buf + text.size() || !std::isfinite(v)) return std::nullopt;
    return v;
}

std::vector<std::string_view> split(std::string_view line, char separator) {
    std::vector<std::string_view> fields;
    if (separator == ' ') {
        std::size_t i = 0;
        while (i < line.size()) {
            while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
            const std::size_t from = i;
            while (i < line.size() && line[i] != ' ' && line[i] != '\t') ++i;
            if (i > from) fields.push_back(line.substr(from, i - from));
        }
        return fields;
    }
    std::size_t from = 0;
    for (std::size_t i = 0; i <= line.size(); ++i)
        if (i == line.size() || line[i] == separator) {
            fields.push_back(trimmed(line.substr(from, i - from)));
            from = i + 1;
        }
    return fields;
}

struct Row {
    std::vector<std::string_view> fields;
    bool decimalComma = false;
};

// A line's cells: a tab or a semicolon separates wherever it appears, and then a
// comma is a decimal sign; otherwise commas separate unless that leaves a cell that
// is no number while spaces would not ("1,5 2,3").
Row cells(std::string_view line) {
    if (line.find('\t') != std::string_view::npos && line.find(';') == std::string_view::npos)
        return {split(line, '\t'), true};
    if (line.find(';') != std::string_view::npos) return {split(line, ';'), true};
    if (line.find(',') != std::string_view::npos) {
        Row byComma{split(line, ','), false};
        bool numbers = true;
        for (std::string_view f : byComma.fields) numbers = numbers && number(f, false).has_value();
        if (numbers) return byComma;
        Row bySpace{split(line, ' '), true};
        bool spaced = bySpace.fields.size() >= 2;
        for (std::string_view f : bySpace.fields) spaced = spaced && number(f, true).has_value();
        return spaced ? bySpace : byComma;
    }
    return {split(line, ' '), true};
}

// ---- Header ----------------------------------------------------------------------

enum class Column { time, height, velocity, other };

struct ColumnInfo {
    Column kind = Column::other;
    double scale = 1;  // to SI
};

Column columnKind(std::string name) {
    std::string key;
    for (char ch : lowered(name))
        if (ch != '_' && ch != '{' && ch != '}' && ch != ' ' && ch != ',' && ch != '.' && ch != '-') key += ch;
    for (const char* n : {"t", "time", "время", "т"})
        if (key == n) return Column::time;
    for (const char* n : {"y", "h", "z", "height", "высота", "координата", "у"})
        if (key == n) return Column::height;
    for (const char* n : {"vy", "v", "velocity", "speed", "скорость", "vу"})
        if (key == n) return Column::velocity;
    return Column::other;
}

// The factor to SI of a unit for a column of that kind; nothing for a unit unknown there.
std::optional<double> unitScale(Column kind, const std::string& unit) {
    struct Unit { const char* name; double scale; };
    static const Unit kTime[] = {{"s", 1}, {"с", 1}, {"c", 1}, {"сек", 1}, {"ms", 1e-3}, {"мс", 1e-3}, {"min", 60}, {"мин", 60}};
    static const Unit kLength[] = {{"m", 1}, {"м", 1}, {"cm", 1e-2}, {"см", 1e-2}, {"mm", 1e-3}, {"мм", 1e-3},
                                   {"km", 1e3}, {"км", 1e3}};
    static const Unit kSpeed[] = {{"m/s", 1}, {"м/с", 1}, {"м/c", 1}, {"cm/s", 1e-2}, {"см/с", 1e-2},
                                  {"mm/s", 1e-3}, {"мм/с", 1e-3}, {"km/h", 1 / 3.6}, {"км/ч", 1 / 3.6}};
    std::string key;
    for (char ch : lowered(unit))
        if (ch != ' ') key += ch;
    auto find = [&key](const auto& units) -> std::optional<double> {
        for (const Unit& u : units)
            if (key == u.name) return u.scale;
        return std::nullopt;
    };
    switch (kind) {
    case Column::time: return find(kTime);
    case Column::height: return find(kLength);
    case Column::velocity: return find(kSpeed);
    case Column::other: return 1;
    }
    return std::nullopt;
}

// A header's cells: "t (с)" and "y[m]" keep their units, also where spaces separate
// the columns ("t (с) y (м)").
std::vector<std::string> headerCells(std::string_view line) {
    std::vector<std::string> out;
    for (std::string_view f : cells(line).fields) {
        const bool unitOnly = !f.empty() && (f.front() == '(' || f.front() == '[');
        if (unitOnly && !out.empty()) out.back() += std::string(f);
        else out.emplace_back(f);
    }
    return out;
}

struct Header {
    std::vector<ColumnInfo> columns;
    Phrase problem;  // an unknown unit, or a header without time or height
};

Header readHeader(std::string_view line) {
    Header h;
    bool time = false, height = false;
    for (const std::string& cell : headerCells(line)) {
        const std::size_t open = cell.find_first_of("([");
        const std::string name(trimmed(std::string_view(cell).substr(0, open)));
        ColumnInfo info{columnKind(name)};
        if (open != std::string::npos && info.kind != Column::other) {
            const std::size_t close = cell.find_first_of(")]", open);
            const std::string unit(trimmed(std::string_view(cell).substr(open + 1, close - open - 1)));
            const std::optional<double> scale = unitScale(info.kind, unit);
            if (!scale && h.problem.empty()) h.problem = Phrase(QT_TRANSLATE_NOOP("Model", "«%1» — неизвестная единица"), {unit});
            info.scale = scale.value_or(1);
        }
        // The first column of each kind counts; a second "v" (say |v|) is another.
        if ((info.kind == Column::time && time) || (info.kind == Column::height && height)) info.kind = Column::other;
        time = time || info.kind == Column::time;
        height = height || info.kind == Column::height;
        h.columns.push_back(info);
    }
    return h;
}

bool recognised(const Header& h) {
    int known = 0;
    for (const ColumnInfo& c : h.columns) known += c.kind != Column::other;
    return known > 0;
}

std::string shown(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%g", v);
    return buf;
}

Phrase lineError(std::size_t line, Phrase what) {
    return Phrase(QT_TRANSLATE_NOOP("Model", "строка %1: %2"), {std::to_string(line), std::move(what)});
}

}  // namespace

DataReadResult readMeasuredData(std::string_view bytes, std::string name) {
    const std::string text = decoded(bytes);
    struct TextLine { std::size_t number; std::string_view text; };
    std::vector<TextLine> before;  // lines of text before the numbers
    Header header;
    bool headerKnown = false;
    MeasuredData data{std::move(name), {}, DataAlignment::asMeasured};
    std::size_t columnT = 0, columnY = 1, columnV = std::numeric_limits<std::size_t>::max();
    double scaleT = 1, scaleY = 1, scaleV = 1;

    auto fail = [](Phrase message) { return DataReadResult{std::nullopt, message.russian(), message}; };
    std::size_t lineNumber = 0;
    std::size_t at = 0;
    while (at <= text.size()) {
        std::size_t end = text.find_first_of("\r\n", at);
        if (end == std::string::npos) end = text.size();
        const std::string_view line = trimmed(std::string_view(text).substr(at, end - at));
        ++lineNumber;
        at = end + (end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n' ? 2 : 1);
        if (line.empty() || line.front() == '#') continue;

        const Row row = cells(line);
        if (data.points.empty()) {
            bool numbers = row.fields.size() >= 2;
            for (std::size_t i = 0; numbers && i < 2; ++i) numbers = number(row.fields[i], row.decimalComma).has_value();
            if (!numbers) {
                before.push_back({lineNumber, line});
                continue;
            }
            // The first row of numbers: the last line of text before it may name the columns.
            if (!before.empty()) {
                header = readHeader(before.back().text);
                if (recognised(header)) {
                    if (!header.problem.empty()) return fail(lineError(before.back().number, header.problem));
                    headerKnown = true;
                    before.pop_back();
                }
            }
            if (headerKnown) {
                columnT = columnY = columnV = std::numeric_limits<std::size_t>::max();
                for (std::size_t i = 0; i < header.columns.size(); ++i) {
                    const ColumnInfo& c = header.columns[i];
                    if (c.kind == Column::time && columnT > i) columnT = i, scaleT = c.scale;
                    if (c.kind == Column::height && columnY > i) columnY = i, scaleY = c.scale;
                    if (c.kind == Column::velocity && columnV > i) columnV = i, scaleV = c.scale;
                }
                if (columnT == std::numeric_limits<std::size_t>::max() ||
                    columnY == std::numeric_limits<std::size_t>::max())
                    return fail(lineError(lineNumber - 1, phrase(QT_TRANSLATE_NOOP("Model", "нет столбца времени (t) или высоты (y)"))));
            } else if (row.fields.size() >= 3) {
                columnV = 2;
            }
            // A Tracker-style export names the object on its first line.
            if (!before.empty()) data.name = std::string(before.front().text);
        }
        if (data.points.size() == kMaxMeasuredRows)
            return fail(lineError(lineNumber, Phrase(QT_TRANSLATE_NOOP("Model", "больше %1 строк с точками"), {std::to_string(kMaxMeasuredRows)})));
        Phrase problem;
        auto cell = [&](std::size_t column, double scale, bool required) -> std::optional<double> {
            if (column >= row.fields.size() || row.fields[column].empty()) {
                if (required && problem.empty()) problem = phrase(QT_TRANSLATE_NOOP("Model", "не хватает столбца: нужны время и высота"));
                return std::nullopt;
            }
            const std::optional<double> v = number(row.fields[column], row.decimalComma);
            if (!v && problem.empty()) problem = Phrase(QT_TRANSLATE_NOOP("Model", "«%1» — не число"), {std::string(row.fields[column])});
            return v ? std::optional<double>(*v * scale) : std::nullopt;
        };
        MeasuredPoint p;
        const std::optional<double> t = cell(columnT, scaleT, true), y = cell(columnY, scaleY, true);
        p.Vy = cell(columnV, scaleV, false);
        if (!problem.empty()) return fail(lineError(lineNumber, problem));
        p.t = *t;
        p.Y = *y;
        if (!data.points.empty() && p.t < data.points.back().t)
            return fail(lineError(lineNumber, Phrase(QT_TRANSLATE_NOOP("Model", "время идёт назад: %1 с после %2 с"),
                                                     {shown(p.t), shown(data.points.back().t)})));
        data.points.push_back(p);
    }
    if (data.points.empty()) {
        if (!before.empty()) {
            const Row row = cells(before.back().text);
            for (std::string_view f : row.fields)
                if (!number(f, row.decimalComma))
                    return fail(Phrase(QT_TRANSLATE_NOOP("Model", "нет ни одной точки: строка %1: «%2» — не число"),
                                       {std::to_string(before.back().number), std::string(f)}));
        }
        return fail(phrase(QT_TRANSLATE_NOOP("Model", "нет ни одной точки: нужны строки из двух чисел, времени и высоты")));
    }
    return {std::move(data), {}, {}};
}

std::vector<MeasuredPoint> alignedPoints(const MeasuredData& data, double h) {
    std::vector<MeasuredPoint> points = data.points;
    if (data.alignment == DataAlignment::firstPointAtLaunch && !points.empty()) {
        const double t0 = points.front().t, y0 = points.front().Y;
        for (MeasuredPoint& p : points) {
            p.t -= t0;
            p.Y = p.Y - y0 + h;
        }
    }
    return points;
}

std::vector<double> derivedVelocities(const std::vector<MeasuredPoint>& points) {
    const std::size_t n = points.size();
    std::vector<double> v(n, std::numeric_limits<double>::quiet_NaN());
    for (std::size_t i = 0; i < n; ++i) {
        // The nearest neighbours on each side at another time.
        std::size_t lo = i, hi = i;
        while (lo > 0 && points[lo].t == points[i].t) --lo;
        while (hi + 1 < n && points[hi].t == points[i].t) ++hi;
        if (points[lo].t == points[i].t) lo = i;
        if (points[hi].t == points[i].t) hi = i;
        if (lo == hi) continue;
        v[i] = (points[hi].Y - points[lo].Y) / (points[hi].t - points[lo].t);
    }
    return v;
}

bool hasMeasuredVelocities(const MeasuredData& data) {
    if (data.points.empty()) return false;
    for (const MeasuredPoint& p : data.points)
        if (!p.Vy) return false;
    return true;
}

}  // namespace velunta
