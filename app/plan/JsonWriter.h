#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace VelmarisEditor {

// Writes compact JSON piece by piece to a sink, so that a document of any size is written
// without first being built in memory. Numbers take their shortest exact form, and text is
// written as UTF-8 with only what JSON requires escaped.
class JsonWriter
{
public:
    // Takes the next bytes; false when they could not be stored, which ends the writing.
    using Sink = std::function<bool(const char *data, std::size_t size)>;

    explicit JsonWriter(Sink sink);

    void beginObject();
    void endObject();
    void beginArray();
    void endArray();
    // The name of the object member whose value comes next.
    void key(std::string_view name);
    void value(std::string_view text);
    // Without it a literal would go to the bool overload.
    void value(const char *text) { value(std::string_view(text)); }
    void value(int number);
    void value(double number);
    void value(bool flag);
    // JSON written elsewhere, as the next value.
    void rawValue(std::string_view json);
    // The next member or element starts a line, where that keeps a diff readable.
    void lineBreak() { m_breakPending = true; }
    // A line break now, as a text file ends.
    void endLine() { put('\n'); }

    // Hands what is left to the sink; false when the sink refused any of it or a number was
    // not finite, which JSON cannot hold.
    bool finish();
    bool hadNonFiniteNumber() const { return m_nonFinite; }

private:
    void beforeValue();
    void put(char c);
    void put(std::string_view text);
    void flushIfFull();

    Sink m_sink;
    std::string m_buffer;
    // Per open container: whether it holds a member or element yet.
    std::vector<bool> m_filled;
    bool m_afterKey = false;
    bool m_breakPending = false;
    bool m_failed = false;
    bool m_nonFinite = false;
};

} // namespace VelmarisEditor
