#pragma once

#include <windows.h>

#include <memory>
#include <mutex>
#include <unordered_map>
#include <vector>

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
    // temporary wrapper, made by make(h) on first use. A temporary wrapper
    // that accept() refuses was made for an earlier object with the same
    // handle value: it is retired (freed with the others) and made anew.
    template <class Accept, class Make>
    Object* FromHandle(Handle h, Accept accept, Make make)
    {
        if (!h)
            return nullptr;
        std::lock_guard<std::mutex> lock(m_mutex);
        auto perm = m_permanent.find(h);
        if (perm != m_permanent.end() && accept(perm->second))
            return perm->second;
        ThreadTemps& mine = m_temporary[::GetCurrentThreadId()];
        auto temp = mine.wrappers.find(h);
        if (temp != mine.wrappers.end()) {
            if (accept(temp->second.get()))
                return temp->second.get();
            mine.retired.push_back(std::move(temp->second));
            mine.wrappers.erase(temp);
        }
        Object* p = make(h);
        if (!p)
            return nullptr;
        mine.wrappers.emplace(h, Temp(p, Forgetter{m_forget}));
        return accept(p) ? p : nullptr;
    }

    void DeleteTemp()
    {
        ThreadTemps doomed;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            auto it = m_temporary.find(::GetCurrentThreadId());
            if (it == m_temporary.end())
                return;
            doomed = std::move(it->second);
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
    struct ThreadTemps {
        std::unordered_map<Handle, Temp> wrappers;
        std::vector<Temp> retired;
    };

    ForgetFn m_forget;
    std::mutex m_mutex;
    std::unordered_map<Handle, Object*> m_permanent;
    std::unordered_map<DWORD, ThreadTemps> m_temporary;
};
