#pragma once

#include <QString>

#include <string>
#include <string_view>

struct sqlite3;

namespace corvella::store {

/// Whether the text matches an SQL LIKE pattern ('%' any run of characters, '_' one character, `escape` before
/// either to take it literally), comparing letters without regard to case the Turkish way: I pairs with ı, İ with i,
/// and Ç, Ğ, Ö, Ş, Ü with their small letters.
bool likeTurkish(const QString& text, const QString& pattern, QChar escape = {});

/// The UTF-8 text with each character folded as `likeTurkish` folds it (a malformed byte becomes U+FFFD): a text holds
/// a word without regard to case exactly when its folded form holds the word's folded form.
std::string foldedTurkish(std::string_view utf8);

/// Replaces the engine's LIKE, which folds ASCII letters only, with `likeTurkish` on the connection.
void registerTurkishLike(sqlite3* handle);

} // namespace corvella::store
