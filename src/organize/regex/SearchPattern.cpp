#include "organize/regex/SearchPattern.h"

#define PCRE2_CODE_UNIT_WIDTH 16
#include <pcre2.h>

namespace vistello {

namespace {

// Generous for names and comments, small enough that the worst pattern
// gives up within milliseconds. The backtracking count is what stops a
// runaway pattern; depth and heap only bound the memory of the interpreter,
// which keeps its backtracking frames on the heap.
constexpr uint32_t kMatchLimit = 200000;
constexpr uint32_t kDepthLimit = 250000;
constexpr PCRE2_SIZE kHeapLimitKiB = 16 * 1024;
// The compiled matcher's stack grows on demand up to this: a repeated group
// keeps a backtracking point per repetition, so a long comment needs far
// more than the library's default 32 KiB.
constexpr PCRE2_SIZE kJitStackStart = 32 * 1024;
constexpr PCRE2_SIZE kJitStackMax = 8 * 1024 * 1024;

// One per thread: a matcher's stack may serve one match at a time only.
class ThreadMatchContext {
public:
    ThreadMatchContext()
        : context_(pcre2_match_context_create(nullptr)),
          stack_(pcre2_jit_stack_create(kJitStackStart, kJitStackMax, nullptr))
    {
        if (!context_)
            return;
        pcre2_set_match_limit(context_, kMatchLimit);
        pcre2_set_depth_limit(context_, kDepthLimit);
        pcre2_set_heap_limit(context_, kHeapLimitKiB);
        if (stack_)
            pcre2_jit_stack_assign(context_, nullptr, stack_);
    }
    ~ThreadMatchContext()
    {
        pcre2_match_context_free(context_);
        pcre2_jit_stack_free(stack_);
    }
    ThreadMatchContext(const ThreadMatchContext&) = delete;
    ThreadMatchContext& operator=(const ThreadMatchContext&) = delete;
    pcre2_match_context* get() const { return context_; }

private:
    pcre2_match_context* context_;
    pcre2_jit_stack* stack_;
};

pcre2_match_context* matchContext()
{
    thread_local const ThreadMatchContext context;
    return context.get();
}

// A match on the compiled matcher; when its stack runs out, the same match
// once more on the interpreter, whose frames live on the heap.
int match(const pcre2_code* code, PCRE2_SPTR subject, PCRE2_SIZE length, PCRE2_SIZE offset, uint32_t options,
          pcre2_match_data* data)
{
    const int rc = pcre2_match(code, subject, length, offset, options, data, matchContext());
    if (rc != PCRE2_ERROR_JIT_STACKLIMIT)
        return rc;
    return pcre2_match(code, subject, length, offset, options | PCRE2_NO_JIT, data, matchContext());
}

uint32_t engineOptions(unsigned flags)
{
    uint32_t options = PCRE2_UTF | PCRE2_UCP | PCRE2_MATCH_INVALID_UTF;
    if (flags & RegexNoCase)
        options |= PCRE2_CASELESS;
    if (flags & RegexMultiLine)
        options |= PCRE2_MULTILINE;
    if (flags & RegexSingleLine)
        options |= PCRE2_DOTALL;
    return options;
}

struct MatchData {
    MatchData(const pcre2_code* code) : data(pcre2_match_data_create_from_pattern(code, nullptr)) {}
    ~MatchData() { pcre2_match_data_free(data); }
    MatchData(const MatchData&) = delete;
    MatchData& operator=(const MatchData&) = delete;
    pcre2_match_data* data;
};

} // namespace

struct SearchPattern::Code {
    explicit Code(pcre2_code* c) : code(c) {}
    ~Code() { pcre2_code_free(code); }
    Code(const Code&) = delete;
    Code& operator=(const Code&) = delete;
    pcre2_code* code;
};

SearchPattern SearchPattern::compile(QStringView pattern, unsigned flags)
{
    SearchPattern result;
    const DialectTranslation translation = translateDialect(pattern, flags);
    if (!translation.error.isEmpty()) {
        result.error_ = translation.error;
        return result;
    }
    int errorCode = 0;
    PCRE2_SIZE errorOffset = 0;
    pcre2_code* code = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(translation.enginePattern.utf16()),
                                     PCRE2_SIZE(translation.enginePattern.size()),
                                     engineOptions(translation.engineFlags), &errorCode, &errorOffset, nullptr);
    if (!code) {
        // What the dialect allows but the engine refuses (a look-behind of
        // varying length, a code point the text cannot hold).
        result.error_ = QLatin1String(regex_message::kIllFormed);
        return result;
    }
    pcre2_jit_compile(code, PCRE2_JIT_COMPLETE); // without JIT the interpreter runs
    result.code_ = std::make_shared<const Code>(code);
    return result;
}

int SearchPattern::countMatches(QStringView text) const
{
    if (!code_)
        return 0;
    static const char16_t kEmpty = 0;
    const auto* subject = reinterpret_cast<PCRE2_SPTR>(text.isEmpty() ? &kEmpty : text.utf16());
    const auto length = PCRE2_SIZE(text.size());
    MatchData data(code_->code);
    if (!data.data)
        return 0;
    int count = 0;
    PCRE2_SIZE offset = 0;
    uint32_t options = 0;
    while (offset <= length) {
        const int rc = match(code_->code, subject, length, offset, options, data.data);
        if (rc == PCRE2_ERROR_NOMATCH && options != 0) {
            // Nothing but the empty match here: go on one character later.
            const bool pair = offset + 1 < length && text[qsizetype(offset)].isHighSurrogate()
                              && text[qsizetype(offset + 1)].isLowSurrogate();
            offset += pair ? 2 : 1;
            options = 0;
            continue;
        }
        if (rc < 0) // no match, or a limit reached: no further match
            break;
        ++count;
        const PCRE2_SIZE* vector = pcre2_get_ovector_pointer(data.data);
        offset = vector[1];
        options = vector[0] == vector[1] ? PCRE2_NOTEMPTY_ATSTART | PCRE2_ANCHORED : 0;
    }
    return count;
}

bool SearchPattern::matches(QStringView text) const
{
    if (!code_)
        return false;
    static const char16_t kEmpty = 0;
    const auto* subject = reinterpret_cast<PCRE2_SPTR>(text.isEmpty() ? &kEmpty : text.utf16());
    MatchData data(code_->code);
    return data.data && match(code_->code, subject, PCRE2_SIZE(text.size()), 0, 0, data.data) >= 0;
}

} // namespace vistello
