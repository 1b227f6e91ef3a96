#pragma once

#include <windows.h>

#include <memory>
#include <mutex>
#include <unordered_map>

// Handle -> wrapper maps of the GDI and handle wrappers (internal).
// Permanent entries are objects that own their handle; they are shared by
// all threads. Temporary wrappers are made on demand for foreign handles,
// belong to the thread that asked and are freed by DeleteTemp. A temporary
// wrapper never frees its handle: Forget clears it before the object goes.
template <class Handle, class Object>
class CGdiHandleMap {
public:
    using ForgetFn = void (*)(Object*);

    explicit CGdiHandleMap(ForgetFn forget) : m_forget(forget) {}

    void SetPermanent(Handle h, Object* p)
    {
        if (!h)
            return;
        std::lock_guard<std::mutex> lock(m_mutex);
        m_permanent[h] = p;
    }

    void RemovePermanent(Handle h, Object* p)
    {
        if (!h)
            return;
        std::lock_guard<std::mutex> lock(m_mutex);
        auto it = m_permanent.find(h);
        if (it != m_permanent.end() && it->second == p)
            m_permanent.erase(it);
    }

    // The permanent object when accept() takes it, else this thread's
    // temporary wrapper, made by make(h) on first use. accept() also guards
    // the temporary: a wrapper of another class gives null.
    template <class Accept, class Make>
    Object* FromHandle(Handle h, Accept accept, Make make)
    {
        if (!h)
            return nullptr;
        std::lock_guard<std::mutex> lock(m_mutex);
        auto perm = m_permanent.find(h);
        if (perm != m_permanent.end() && accept(perm->second))
            return perm->second;
        auto& temps = m_temporary[::GetCurrentThreadId()];
        auto temp = temps.find(h);
        if (temp != temps.end())
            return accept(temp->second.get()) ? temp->second.get() : nullptr;
        Object* p = make(h);
        if (p)
            temps.emplace(h, Temp(p, Forgetter{m_forget}));
        return p;
    }

    void DeleteTemp()
    {
        TempMap doomed;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            auto it = m_temporary.find(::GetCurrentThreadId());
            if (it == m_temporary.end())
                return;
            doomed.swap(it->second);
            m_temporary.erase(it);
        }
        // Destroyed outside the lock: a destructor may reach the map again.
    }

private:
    struct Forgetter {
        ForgetFn forget;
        void operator()(Object* p) const
        {
            forget(p);
            delete p;
        }
    };
    using Temp = std::unique_ptr<Object, Forgetter>;
    using TempMap = std::unordered_map<Handle, Temp>;

    ForgetFn m_forget;
    std::mutex m_mutex;
    std::unordered_map<Handle, Object*> m_permanent;
    std::unordered_map<DWORD, TempMap> m_temporary;
};
