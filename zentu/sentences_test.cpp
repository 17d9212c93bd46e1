#include <gtest/gtest.h>

#include <string>

#include "zentu/test_text.h"
#include "zentu/zentu.h"

namespace zentu {
namespace {

using testing::ExactText;

TEST(SentenceEndTest, FindsTheLeftmostCandidate) {
  const struct {
    int mode;
    const char* text;
    long end;  // -1: the terminating NUL
  } cases[] = {
      {0, "He went home. Then", -1},      // a period alone ends no sentence in mode 0
      {1, "He went home. Then", 12},
      {2, "He went home. Then", -1},      // nor in other modes
      {2, "a,\"b\" c", 1},                // a comma before a double quote
      {2, "\"a\", b", 3},                 // a comma after one
      {2, "a, b", -1},                    // a comma without a double quote
      {2, ",\"", 0},
      {0, "Wow! Really?", 11},            // any '?' comes before every '!'
      {0, "Wow! Yes.", 3},
      {0, "He said \"no.\" Then", 11},    // a period followed by a double quote
      {1, "a | b. c", 1},                 // " | " only in mode 1
      {0, "a | b. c", -1},
      {1, "Wait... what", 4},             // the first period not two bytes after another
      {1, "x..", 1},
      {1, "..", 0},
      {1, "ab?c.d", 2},
      {0, "", -1},
  };
  for (const auto& c : cases) {
    ExactText text(c.text);
    const long length = static_cast<long>(std::string(c.text).size());
    EXPECT_EQ(_getSF(c.mode, text.data()) - text.data(), c.end < 0 ? length : c.end)
        << "mode " << c.mode << ": " << c.text;
  }
}

// The word count words away from the word at wordpos + offset, in an out buffer of exactly the
// documented size.
std::string Token(int count, int sentence, int wordpos, int offset, const std::string& text) {
  ExactText in(text);
  ExactText out(std::string(ZENTU_GETTOKEN_TEXT_MAX, '#'));
  EXPECT_EQ(_gettoken(count, sentence, wordpos, offset, in.data(), out.data()), 0);
  EXPECT_EQ(in.str(), text);  // the caller's text is not changed
  return out.str();
}

TEST(GetTokenTest, FindsWordsBeforeAndAfter) {
  const std::string fox = "The quick brown fox jumps. Over the lazy dog";
  const int at_fox = 16;
  const std::string four = "One two. Three four five";
  const int at_four = 15;
  const std::string question = "Is it the fox? Yes it is";
  const int at_question = 10;
  const struct {
    int count;
    int sentence;
    const std::string& text;
    int wordpos;
    int offset;
    const char* word;
  } cases[] = {
      {0, 0, fox, at_fox, 0, "fox"},
      {-1, 0, fox, at_fox, 0, "brown"},
      {-3, 0, fox, at_fox, 0, "The"},
      {-4, 0, fox, at_fox, 0, ""},       // no word that far back
      {1, 0, fox, at_fox, 0, "jumps"},
      {2, 0, fox, at_fox, 0, "Over"},
      {5, 0, fox, at_fox, 0, "dog"},
      {6, 0, fox, at_fox, 0, ""},
      {1, 1, fox, at_fox, 0, "jumps"},
      {2, 1, fox, at_fox, 0, "Over"},    // forwards only a period before a quote ends it
      {1, 1, question, at_question, 0, ""},  // beyond the end of the sentence
      {1, 0, question, at_question, 0, "Yes"},
      {0, 0, fox, at_fox, 2, "fox"},     // a position inside the word
      {-1, 1, four, at_four, 0, "Three"},
      {-2, 1, four, at_four, 0, ""},     // before the start of the sentence
      {-2, 0, four, at_four, 0, "two"},
      {1, 1, four, at_four, 0, "five"},
      {0, 0, "hello", 0, 0, "hello"},
      {0, 0, "it's here", 0, 0, "it's"},
      {-1, 0, "ab cd ef gh", 9, 0, "ef"},
      {0, 0, "", 0, 0, ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Token(c.count, c.sentence, c.wordpos, c.offset, c.text), c.word)
        << c.text << " at " << c.wordpos << "+" << c.offset << ", count " << c.count;
  }
}

TEST(GetTokenTest, ReversesDoubleByteWordsBack) {
  // Two katakana words, each ending in a digit: 0x83 0x41 0x83 0x43 "1", a space,
  // 0x83 0x45 0x83 0x47 "2".
  const std::string text = "\x83\x41\x83\x43" "1 \x83\x45\x83\x47" "2";
  EXPECT_EQ(Token(0, 0, 10, 0, text), "\x83\x45\x83\x47" "2");
  EXPECT_EQ(Token(-1, 0, 10, 0, text), "\x83\x41\x83\x43" "1");
  EXPECT_EQ(Token(0, 0, 4, 0, text), "\x83\x41\x83\x43" "1");
}

TEST(GetTokenTest, PositionsOutsideTheTextGiveNothing) {
  EXPECT_EQ(Token(0, 0, -5, 0, "abc def"), "");
  EXPECT_EQ(Token(0, 0, 100, 0, "abc def"), "");
  EXPECT_EQ(Token(1, 0, 4, -10, "abc def"), "");
  EXPECT_EQ(Token(1, 1, 7, 0, "abc def"), "");  // at the end: no following word
  // The byte before the word lies beyond the cut text: the whole text is searched.
  EXPECT_EQ(Token(0, 1, 10, -8, "ab cd ef gh"), "ab");
}

TEST(GetTokenTest, EndsTheCallersWordScan) {
  char words[] = "a b c";
  EXPECT_STREQ(_strword(words), "a");
  Token(1, 0, 0, 0, "x y");
  EXPECT_EQ(_strword(nullptr), nullptr);
}

// Texts beyond the work buffer are cut at a character boundary; positions beyond the cut find
// nothing.
TEST(GetTokenTest, UsesOnlyTheFirstBytesOfALongText) {
  std::string text;
  while (text.size() < 20000) text += "word ";
  EXPECT_EQ(Token(1, 0, 100, 0, text), "word");
  EXPECT_EQ(Token(-2, 0, 100, 0, text), "word");
  EXPECT_EQ(Token(0, 0, 5000, 0, text), "");
  EXPECT_EQ(Token(1000, 0, 0, 0, text), "");  // the cut text holds only 60 words

  const std::string one_word(20000, 'a');
  EXPECT_EQ(Token(0, 0, 0, 0, one_word), std::string(ZENTU_GETTOKEN_TEXT_MAX, 'a'));
  EXPECT_EQ(Token(0, 0, 10, 0, one_word), std::string(ZENTU_GETTOKEN_TEXT_MAX, 'a'));

  // A double-byte character across the limit is left out whole.
  const std::string japanese = std::string(ZENTU_GETTOKEN_TEXT_MAX - 1, 'a') + "\x93\xFA" + "bb";
  EXPECT_EQ(Token(1, 0, 0, 0, japanese), "");
  EXPECT_EQ(Token(0, 0, 0, 0, japanese), std::string(ZENTU_GETTOKEN_TEXT_MAX - 1, 'a'));
}

}  // namespace
}  // namespace zentu
