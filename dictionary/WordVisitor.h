#pragma once
// WordVisitor: a borrowed reference to any callable bool(const char* codes).
//
// The word store hands every word it walks to a visitor: the word in letter
// codes, L bytes and a NUL, valid only during the call. The visitor answers
// true to go on, false to stop. WordVisitor neither owns nor copies the
// callable, so building one never allocates; it must not outlive the callable
// (pass lambdas straight into the call that walks).
#include <memory>
#include <type_traits>

namespace bv {

class WordVisitor {
public:
    template <class F, class = std::enable_if_t<!std::is_same_v<std::decay_t<F>, WordVisitor>>>
    WordVisitor(F&& f)  // NOLINT: implicit on purpose, lambdas are passed directly
        : object_(const_cast<void*>(static_cast<const void*>(std::addressof(f)))),
          call_([](void* o, const char* codes) -> bool {
              return (*static_cast<std::remove_reference_t<F>*>(o))(codes);
          }) {}

    bool operator()(const char* codes) const { return call_(object_, codes); }

private:
    void* object_;
    bool (*call_)(void*, const char*);
};

}  // namespace bv
