#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// Marks a text of a table (menus, columns, options) for the translation
// tools without translating it there: the reader of the table calls
// translate() with the same context when it shows it.
#define KSY_TRANSLATE_NOOP(context, french) french

namespace ksy {

// Every text the official reads is written in French in the code, and that
// French text is the key of its translation. The core never chooses a
// language: the window installs, once at start and before any thread, the
// function that gives a text in the official's language. Until then (and in
// every tool and test that installs none) texts stay French, byte for byte.
//
// Texts written to files never go through here.
using TextTranslator = std::string (*)(const char* context, const char* french);

void installTextTranslator(TextTranslator translator);

// The text in the official's language. The translation tools collect every
// call of this name: the context and the text must be string literals, and
// the text whole (values go in as %1, %2…, filled by fillText).
std::string translate(const char* context, const char* french);

// Counts the translators installed: a text looked up once and kept (the
// words of a paint) is looked up again when it changed.
int textTranslatorGeneration();

// The pattern with %1 … %9 replaced by the values, wherever the translation
// put them. A % not followed by a digit in range is kept.
std::string fillText(std::string_view pattern, std::initializer_list<std::string_view> values);

} // namespace ksy
