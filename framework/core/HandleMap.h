#pragma once

#include <windows.h>

#include <memory>
#include <mutex>
#include <unordered_map>
#include <vector>

// Handle -> wrapper map of the handle wrappers (internal), one design for
// windows, menus, GDI objects, device contexts and image lists.
// Permanent entries are objects attached to their handle; they are shared by
// every thread that uses this map (GDI objects and menus have one process-wide
// map; windows have one map per thread, kept in the thread's state, because a
// window's object belongs to the thread that runs the window). Temporary
// wrappers are made on demand for foreign handles, belong to the thread that
// asked and are freed by DeleteTemp. A temporary wrapper never frees its
// handle: Forget clears it before the object goes.
template <class Handle, class Object>
class CHandleMap {
public:
    using ForgetFn = void (*)(Object*);

    explicit CHandleMap(ForgetFn forget) : m_forget(forget) {}
    CHandleMap(const CHandleMap&) = delete;
    CHandleMap& operator=(const CHandleMap&) = delete;

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

    Object* LookupPermanent(Handle h)
    {
        if (!h)
            return nullptr;
        std::lock_guard<std::mutex> lock(m_mutex);
        auto it = m_permanent.find(h);
        return it == m_permanent.end() ? nullptr : it->second;
    }

    // This thread's temporary wrapper of h, without making one.
    Object* LookupTemporary(Handle h)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        auto mine = m_temporary.find(::GetCurrentThreadId());
        if (mine == m_temporary.end())
            return nullptr;
        auto it = mine->second.wrappers.find(h);
        return it == mine->second.wrappers.end() ? nullptr : it->second.get();
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
        mine.wrappers.emplace(h, Temp(p, Forgetter {m_forget}));
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

    size_t GetPermanentCount()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_permanent.size();
    }

    // This thread's temporary wrappers, retired ones included.
    size_t GetTemporaryCount()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        auto it = m_temporary.find(::GetCurrentThreadId());
        return it == m_temporary.end() ? 0 : it->second.wrappers.size() + it->second.retired.size();
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
