#include "app/plan/StrictJson.h"

#include "app/plan/Excerpt.h"

#include <nlohmann/json.hpp>

#include <QRegularExpression>

#include <algorithm>
#include <initializer_list>
#include <iterator>
#include <vector>

namespace VelmarisEditor {

namespace {

using Json = nlohmann::json;

const QString s_strayNul = QStringLiteral("not valid JSON: a NUL byte outside any string");

// A plan nests five levels; the limit only stops a hostile file from building a huge tree.
constexpr std::size_t s_maximumDepth = 64;

// Walks the text for the parser and remembers how far it got, so that a refusal raised while
// building the tree can be placed as exactly as one the parser raises itself.
class TrackingIterator
{
public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = char;
    using difference_type = std::ptrdiff_t;
    using pointer = const char *;
    using reference = const char &;

    TrackingIterator(const char *at, const char **reached) : m_at(at), m_reached(reached) {}

    reference operator*() const { return *m_at; }
    TrackingIterator &operator++()
    {
        *m_reached = ++m_at;
        return *this;
    }
    bool operator==(const TrackingIterator &other) const { return m_at == other.m_at; }
    bool operator!=(const TrackingIterator &other) const { return m_at != other.m_at; }

private:
    const char *m_at;
    const char **m_reached;
};

// Editors count lines and characters from 1; a UTF-8 character is one column however many bytes.
QString lineAndColumn(std::string_view text, std::size_t offset)
{
    int line = 1;
    int column = 1;
    for (std::size_t i = 0; i < offset && i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\n') {
            ++line;
            column = 1;
        } else if ((c & 0xc0) != 0x80) {
            ++column;
        }
    }
    return QStringLiteral("line %1, column %2").arg(line).arg(column);
}

// The parser's own description without its error id and position (the place gives that), and
// with the text it last read escaped and cut.
QString description(const std::string &what, const std::string &lastRead)
{
    static const QRegularExpression prefix(
        QStringLiteral("^\\[json\\.exception\\.[a-z_]+\\.[0-9]+\\] (parse error at line [0-9]+, column [0-9]+: )?"));
    QString text = QString::fromStdString(what).remove(prefix);
    const QString quotedRead = QLatin1Char('\'') + QString::fromStdString(lastRead) + QLatin1Char('\'');
    const int at = text.lastIndexOf(quotedRead);
    if (at >= 0)
        text.replace(at, quotedRead.size(),
                     QLatin1Char('\'') + excerpt(QString::fromStdString(lastRead)) + QLatin1Char('\''));
    return QStringLiteral("not valid JSON: %1").arg(escaped(text));
}

class TreeBuilder : public nlohmann::json_sax<Json>
{
public:
    TreeBuilder(std::string_view text, const char *const *reached, const KnownNames &names,
                const StreamedList *streamed)
        : m_text(text)
        , m_reached(reached)
        , m_tree(names)
        , m_streamed(streamed)
    {
    }

    JsonTree &tree() { return m_tree; }
    const JsonRefusal &refusal() const { return m_refusal; }

    bool null() override { return handOver(m_tree.addNull()); }
    bool boolean(bool value) override { return handOver(m_tree.addBoolean(value)); }
    bool number_integer(number_integer_t value) override { return handOver(m_tree.addInteger(value)); }
    bool number_unsigned(number_unsigned_t value) override { return handOver(m_tree.addUnsigned(value)); }
    bool number_float(number_float_t value, const string_t &) override { return handOver(m_tree.addFloat(value)); }
    bool string(string_t &value) override { return handOver(m_tree.addText(value)); }
    // Only binary formats produce these, never JSON text.
    bool binary(binary_t &) override { return false; }
    bool start_object(std::size_t) override { return open(JsonTree::Type::Object); }
    bool start_array(std::size_t) override { return open(JsonTree::Type::List); }
    bool end_object() override { return handOver(m_tree.close()); }
    bool end_array() override { return handOver(m_tree.close()); }

    bool key(string_t &name) override
    {
        if (name.find('\0') != std::string::npos)
            return refuse(QStringLiteral("member name \"%1\" holds a NUL character")
                              .arg(excerpt(QString::fromStdString(name))));
        if (!m_tree.addName(name))
            return refuse(QStringLiteral("member name \"%1\" is repeated").arg(excerpt(QString::fromStdString(name))));
        return true;
    }

    bool parse_error(std::size_t position, const std::string &lastRead, const Json::exception &error) override
    {
        // The parser counts the offending character itself in the position.
        const std::size_t at = position > 0 ? position - 1 : 0;
        // Outside a string it takes a NUL for the end of the input and would call it that.
        const bool nul = at < m_text.size() && m_text[at] == '\0'
                         && std::string_view(error.what()).find("end of input") != std::string_view::npos;
        m_refusal = {lineAndColumn(m_text, at), nul ? s_strayNul : description(error.what(), lastRead)};
        return false;
    }

private:
    bool refuse(const QString &problem)
    {
        const auto read = static_cast<std::size_t>(*m_reached - m_text.data());
        m_refusal = {lineAndColumn(m_text, read > 0 ? read - 1 : 0), problem};
        return false;
    }

    bool open(JsonTree::Type container)
    {
        if (m_tree.depth() >= s_maximumDepth)
            return refuse(QStringLiteral("nested deeper than %1 levels").arg(s_maximumDepth));
        m_tree.open(container);
        if (m_streamed && m_tree.depth() == 2 && container == JsonTree::Type::List
            && m_tree.root().type() == JsonTree::Type::Object && m_tree.innermost().name() == m_streamed->member)
            m_streamedList = m_tree.innermost();
        return true;
    }

    // A complete element of the streamed list goes to its taker and is not kept, so that a long
    // list never stands in memory as a tree.
    bool handOver(JsonTree::Value value)
    {
        if (!m_streamedList.exists() || m_tree.depth() == 0 || m_tree.innermost() != m_streamedList)
            return true;
        const auto bytesRead = static_cast<std::size_t>(*m_reached - m_text.data());
        const bool taken = m_streamed->take(value, m_streamedCount++, bytesRead, &m_refusal);
        m_tree.dropContents();
        return taken;
    }

    std::string_view m_text;
    const char *const *m_reached;
    JsonTree m_tree;
    JsonRefusal m_refusal;
    const StreamedList *m_streamed;
    JsonTree::Value m_streamedList;
    std::size_t m_streamedCount = 0;
};

// Read as UTF-8, text in another encoding fails on a stray character that tells the user nothing.
// A byte-order mark names the encoding; without one, the zero bytes around JSON's first
// character, which is always ASCII, do. A UTF-8 mark is allowed and skipped.
QString foreignEncoding(std::string_view text)
{
    static const struct
    {
        std::string_view start;
        const char *name;
    } marks[] = {{std::string_view("\x00\x00\xfe\xff", 4), "UTF-32 (big-endian)"},
                 {std::string_view("\xff\xfe\x00\x00", 4), "UTF-32 (little-endian)"},
                 {std::string_view("\xfe\xff", 2), "UTF-16 (big-endian)"},
                 {std::string_view("\xff\xfe", 2), "UTF-16 (little-endian)"}};
    for (const auto &mark : marks) {
        if (text.substr(0, mark.start.size()) == mark.start)
            return QLatin1String(mark.name);
    }
    if (text.size() < 4)
        return QString();
    const auto zero = [&text](std::initializer_list<int> at) {
        return std::all_of(at.begin(), at.end(), [&text](int i) { return text[static_cast<std::size_t>(i)] == '\0'; });
    };
    if (zero({0, 1, 2}) && !zero({3}))
        return QStringLiteral("UTF-32 (big-endian)");
    if (zero({1, 2, 3}) && !zero({0}))
        return QStringLiteral("UTF-32 (little-endian)");
    if (zero({0, 2}) && !zero({1}))
        return QStringLiteral("UTF-16 (big-endian)");
    if (zero({1, 3}) && !zero({0}))
        return QStringLiteral("UTF-16 (little-endian)");
    return QString();
}

} // namespace

std::optional<JsonTree> parseStrictJson(std::string_view text, const KnownNames &names, JsonRefusal *refusal,
                                        const StreamedList *streamed)
{
    if (const QString encoding = foreignEncoding(text); !encoding.isEmpty()) {
        *refusal = {QString(), QStringLiteral("is encoded in %1, not UTF-8").arg(encoding)};
        return std::nullopt;
    }
    if (text.find_first_not_of(" \t\r\n") == std::string_view::npos) {
        *refusal = {QString(), text.empty() ? QStringLiteral("is empty") : QStringLiteral("holds only white space")};
        return std::nullopt;
    }
    const char *reached = text.data();
    TreeBuilder builder(text, &reached, names, streamed);
    const TrackingIterator begin(text.data(), &reached);
    const TrackingIterator end(text.data() + text.size(), &reached);
    if (!Json::sax_parse(begin, end, &builder)) {
        *refusal = builder.refusal();
        return std::nullopt;
    }
    // The parser takes a NUL byte for the end of the input and would accept what follows it
    // unread; JSON allows NUL only escaped inside a string.
    const auto read = static_cast<std::size_t>(reached - text.data());
    if (read > 0 && text[read - 1] == '\0') {
        *refusal = {lineAndColumn(text, static_cast<std::size_t>(read - 1)), s_strayNul};
        return std::nullopt;
    }
    return std::move(builder.tree());
}

} // namespace VelmarisEditor
