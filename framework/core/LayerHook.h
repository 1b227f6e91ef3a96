// How a lower layer reaches a higher one at run time. The lower layer declares a small
// interface, THooks, derived from CFwLayerHook<THooks>, whose functions do nothing harmful
// (the interface is its own null object); the higher layer derives its implementation from it
// and registers it once, with a CFwHookRegistration beside the implementation. Callers write
// THooks::Get().Function(...), and the implementation is the override of that function.
#pragma once

template <class THooks>
class CFwLayerHook {
public:
    // The registered implementation, or the harmless default.
    static THooks& Get() { return *Slot(); }
    // Registers pHooks (null puts the default back) and answers the one it replaces.
    static THooks* Register(THooks* pHooks)
    {
        THooks* pOld = Slot();
        Slot() = pHooks != nullptr ? pHooks : &Default();
        return pOld;
    }

private:
    static THooks& Default()
    {
        static THooks hooks;
        return hooks;
    }
    static THooks*& Slot()
    {
        static THooks* pHooks = &Default();
        return pHooks;
    }
};

// A static object of this type registers TImpl's one instance for the program's life.
template <class THooks, class TImpl>
class CFwHookRegistration {
public:
    CFwHookRegistration() { THooks::Register(&m_impl); }

private:
    TImpl m_impl;
};
