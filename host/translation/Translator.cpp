#include <velmaris/host/translation/Translator.h>

#include <QCoreApplication>


namespace Velmaris {

namespace {

QString translated(const char *context, const char *source, const char *disambiguation, int n)
{
    return QCoreApplication::translate(context, source, disambiguation, n);
}

// Number of the placeholder starting at position i (%1 to %99), or 0.
int placeholderAt(const QString &text, int i)
{
    if (text.at(i) != QLatin1Char('%') || i + 1 >= text.size() || !text.at(i + 1).isDigit())
        return 0;
    int number = text.at(i + 1).digitValue();
    if (i + 2 < text.size() && text.at(i + 2).isDigit())
        number = number * 10 + text.at(i + 2).digitValue();
    return number;
}

int digitsOf(int number) { return number >= 10 ? 2 : 1; }

} // namespace

std::string Translator::translate(const char *context, const char *source,
                                  const char *disambiguation, int n)
{
    return translated(context, source, disambiguation, n).toStdString();
}

ArgString TranslatorArg::translate(const char *context, const char *source,
                                   const char *disambiguation, int n)
{
    return ArgString(translated(context, source, disambiguation, n));
}

ArgString::ArgString(QString text)
{
    int literalStart = 0;
    for (int i = 0; i < text.size(); ++i) {
        const int number = placeholderAt(text, i);
        if (number == 0)
            continue;
        if (i > literalStart)
            m_pieces.push_back({text.mid(literalStart, i - literalStart), 0});
        const int length = 1 + digitsOf(number);
        m_pieces.push_back({text.mid(i, length), number});
        i += length - 1;
        literalStart = i + 1;
    }
    if (literalStart < text.size())
        m_pieces.push_back({text.mid(literalStart), 0});
}

ArgString::~ArgString() = default;

ArgString ArgString::arg(const std::string &argument) const
{
    int lowest = 0;
    for (const Piece &piece : m_pieces) {
        if (piece.placeholder > 0 && (lowest == 0 || piece.placeholder < lowest))
            lowest = piece.placeholder;
    }
    ArgString result = *this;
    if (lowest == 0)
        return result;
    const QString replacement = QString::fromStdString(argument);
    for (Piece &piece : result.m_pieces) {
        if (piece.placeholder == lowest)
            piece = {replacement, 0};
    }
    return result;
}

std::string ArgString::text() const
{
    QString joined;
    for (const Piece &piece : m_pieces)
        joined += piece.text;
    return joined.toStdString();
}

} // namespace Velmaris
