#include "grammar.h"

#include <cctype>

namespace {

struct Reader {
    std::string_view text;
    std::size_t at = 0;

    bool Take(char c)
    {
        if (at < text.size() && text[at] == c) {
            ++at;
            return true;
        }
        return false;
    }
    std::size_t TakeWhile(int (*accepts)(int))
    {
        const std::size_t from = at;
        while (at < text.size() && accepts(static_cast<unsigned char>(text[at])))
            ++at;
        return at - from;
    }
    void TakeBlanks()
    {
        while (Take(' ')) {}
    }
    bool TakeSign() { return Take('+') || Take('-'); }
    bool Done() const { return at == text.size(); }
};

}  // namespace

bool HasNumberGrammar(std::string_view text, char separator)
{
    Reader r{text};
    r.TakeBlanks();
    r.TakeSign();
    const std::size_t digits = r.TakeWhile(isdigit);
    const bool separated = r.Take(separator);
    if (separated)
        r.TakeWhile(isdigit);
    if (digits == 0 && !separated)
        return false;
    if (r.Take('E') || r.Take('e')) {
        r.TakeSign();
        r.TakeWhile(isdigit);
    }
    r.TakeBlanks();
    return r.Done();
}

bool HasWholeNumberGrammar(std::string_view text)
{
    Reader r{text};
    r.TakeBlanks();
    r.TakeSign();
    if (r.Take('$') || r.Take('x') || r.Take('X') || (r.Take('0') && (r.Take('x') || r.Take('X'))))
        return r.TakeWhile(isxdigit) > 0 && r.Done();
    r.at = 0;
    r.TakeBlanks();
    r.TakeSign();
    return r.TakeWhile(isdigit) > 0 && r.Done();
}
