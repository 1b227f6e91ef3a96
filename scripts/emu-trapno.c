/*
 * Preloaded into the 32-bit Wine processes that run under user-mode emulation.
 *
 * Wine tells a page fault from other faults by the trap number in the signal context
 * (14 for a page fault). The emulator delivers SIGSEGV for a page fault with trap number -1,
 * so Wine reports every access violation as an illegal instruction (c000001d), and code that
 * catches access violations (the program's own handlers, Wine's guarded reads, stack growth)
 * misbehaves. This library wraps sigaction(SIGSEGV): the handler that Wine installs is called
 * through a small function that first puts the page-fault trap number into the context.
 *
 * Built for i386 only, without the 32-bit libc headers (the machine has just the 32-bit libc
 * itself), so the few layouts it touches are declared here. A 64-bit library of the same name
 * is empty: the 64-bit processes find it through the same $LIB-based preload path and ignore it.
 */

#if !defined(__i386__)
#error "for the 32-bit (i386) processes only"
#endif

#define SIGSEGV 11
#define SA_SIGINFO 4
#define SEGV_MAPERR 1 /* address not mapped */
#define SEGV_ACCERR 2 /* no permission for that access */
#define TRAP_PAGE_FAULT 14

/* glibc's struct sigaction on i386. */
typedef void (*siginfo_handler)(int, void*, void*);
struct sigaction {
    siginfo_handler handler; /* sa_handler or sa_sigaction, as flags say */
    unsigned long mask[1024 / (8 * sizeof(unsigned long))];
    int flags;
    void (*restorer)(void);
};

/* The start of siginfo_t and of ucontext_t on i386. */
struct siginfo_head {
    int signo, errno_value, code;
};
enum { REG_TRAPNO = 12 };
struct ucontext_head {
    unsigned long flags;
    void* link;
    struct {
        void* sp;
        int flags;
        unsigned long size;
    } stack;
    int gregs[19];
};

int __sigaction(int sig, const struct sigaction* act, struct sigaction* old);

static siginfo_handler wrapped_handler; /* the SIGSEGV handler the process asked for */

static void set_trap_then_handle(int sig, void* info, void* context)
{
    int code = ((struct siginfo_head*)info)->code;
    int* gregs = ((struct ucontext_head*)context)->gregs;
    if (gregs[REG_TRAPNO] == -1 && (code == SEGV_MAPERR || code == SEGV_ACCERR))
        gregs[REG_TRAPNO] = TRAP_PAGE_FAULT;
    wrapped_handler(sig, info, context);
}

int sigaction(int sig, const struct sigaction* act, struct sigaction* old)
{
    struct sigaction replaced;
    const struct sigaction* given = act;
    siginfo_handler previous = wrapped_handler;
    int result;

    if (sig != SIGSEGV)
        return __sigaction(sig, act, old);
    if (act && (act->flags & SA_SIGINFO)) {
        replaced = *act;
        replaced.handler = set_trap_then_handle;
        given = &replaced;
        wrapped_handler = act->handler; /* before the signal can arrive */
    }
    result = __sigaction(sig, given, old);
    if (result != 0)
        wrapped_handler = previous;
    /* The caller sees its own handler, not this library's function. */
    else if (old && old->handler == set_trap_then_handle)
        old->handler = previous;
    return result;
}
