#pragma once

#include <velmaris/velmaris_host_export.h>

#include <QString>

#include <string>
#include <vector>

namespace Velmaris {

/// \addtogroup hoststandin
/// @{

/// Texts of the program in the active language, through Qt's installed translators.
class VELMARIS_HOST_EXPORT Translator
{
public:
    /// UTF-8; the source text itself when no translation is installed. @p n chooses the plural
    /// form, -1 for none.
    static std::string translate(const char *context, const char *source,
                                 const char *disambiguation = nullptr, int n = -1);
};

/// A translated text whose placeholders %1, %2, ... are filled one argument at a time.
class VELMARIS_HOST_EXPORT ArgString
{
public:
    /// Finds the placeholders %1 to %99 in @p text; a lone % stays literal.
    explicit ArgString(QString text);
    ~ArgString();

    /// Fills every occurrence of the lowest-numbered open placeholder. Filled-in text is never
    /// searched for placeholders, not even by later calls, so a label holding "%2" stays as it
    /// is. Without an open placeholder the text stays as it is.
    ArgString arg(const std::string &argument) const;
    /// The text as UTF-8, with open placeholders still in it.
    std::string text() const;
    /// text(), so that an ArgString goes wherever a std::string is wanted.
    operator std::string() const { return text(); }

private:
    // The text as literal runs and placeholders; a placeholder turns literal when filled.
    struct Piece
    {
        QString text;
        int placeholder = 0; // 1 to 99 while open, 0 for literal text
    };
    std::vector<Piece> m_pieces;
};

/// Translator, for texts with placeholders to fill.
class VELMARIS_HOST_EXPORT TranslatorArg
{
public:
    /// The translation, or the source text when none is installed, ready for ArgString::arg().
    static ArgString translate(const char *context, const char *source,
                               const char *disambiguation = nullptr, int n = -1);
};

/// @}

} // namespace Velmaris
