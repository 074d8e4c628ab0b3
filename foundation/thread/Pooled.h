#pragma once
// The per-class pool declaration: see EasyPooler.h for the whole convention.
// This header stays light (no EasyPooler, no arrays) so that any class header,
// including the array headers the pool itself is built on, can use the macro.
//
// Inside the class body, after the base list:
//     S_POOLED_CLASS(StrBuffer, L"s_str_strbuffer_StrBuffer")
// It declares (all public):
//     static constexpr wchar_t CLASS_NAME[]   the class-name string (its address is the type identity)
//     static s::thread::EasyPooler& pool()    the class's pool, created on first use
//     static StrBuffer* acquire()             an object from the pool (null when allocation fails)
//     getClassName()                          returns CLASS_NAME
//     StrBuffer* newInstance() const          acquire()
//     void release()                          back into pool()
// The class itself supplies a public default constructor and `reset()`.
// In the class's .cpp, inside its namespace, S_POOLED_CLASS_IMPL(StrBuffer, capacity)
// defines pool, acquire, newInstance and release.

namespace s::thread {
class EasyPooler;
}

#define S_POOLED_CLASS(Class, nameLiteral)               \
public:                                                  \
    static constexpr wchar_t CLASS_NAME[] = nameLiteral; \
    static ::s::thread::EasyPooler& pool();              \
    static Class* acquire();                             \
    const wchar_t* getClassName() const override {       \
        return CLASS_NAME;                               \
    }                                                    \
    Class* newInstance() const override;                 \
    void release() override;
