#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace Quor {

// The words of a UTF-8 text as the meanings search compares them: every run of letters and
// digits, upper-cased as Utf8UpperCase does, with Ё read as Е and Ѝ as И, each after one space
// and the whole followed by one (" ИЗМЕРВАНЕ НА ТОК "). Combining marks (stress marks) are left
// out; any other character parts words. A text holds a typed word as a form of one of its words
// exactly when it holds " " and that word.
void MeaningWords(std::string_view text, std::string& words);

// The typed words of a UTF-8 search text, each as MeaningWords gives it, without the spaces;
// duplicates left out, in the order typed.
std::vector<std::string> SearchTerms(std::string_view text);

// The starts of words that a meaning may hold for a typed word (a term of SearchTerms) to count
// as found, given the terms of the word's dictionary forms: the start the word shares with each
// form where it is three letters or more (ИЗМЕРЕНИ for ИЗМЕРЕНИЯ, a form of ИЗМЕРЕНИЕ; ДОМ for
// ДОМАМИ), else the form itself (ИДТИ for ШЕЛ), and the word itself. None is the start of
// another.
std::vector<std::string> TermStarts(const std::string& term,
                                    const std::vector<std::string>& formTerms);

} // namespace Quor
