/* Preloaded into 32-bit wine processes that run under qemu-i386 (user mode),
 * on machines whose kernel runs no 32-bit code (tools/wine-env.sh hands it to
 * qemu only, through QEMU_SET_ENV).  It covers three ways in which qemu 7.2
 * differs from a real kernel, each of which breaks 32-bit wine:
 *  - MAP_FIXED_NOREPLACE is taken as a plain hint, so wine's address-space
 *    reservation never sees EEXIST and loops for minutes; here a mapping that
 *    lands elsewhere is undone and fails with EEXIST.
 *  - all guest threads share one GDT, so the per-thread TLS descriptors that
 *    set_thread_area writes (glibc's %gs, wine's %fs) hold the base of the
 *    thread that wrote last, and every segment reload (signal return, syscall
 *    dispatch) in another thread picks up the wrong one.  Wine is told that
 *    set_thread_area is missing, so it keeps %fs in the LDT, and each thread
 *    gets its own LDT descriptor for %gs before any of its code runs.
 *  - the signal frames carry trapno -1 instead of the trap number, so wine
 *    takes every fault for an illegal instruction; the handlers wine installs
 *    for the fault signals get the trap number back from the signal code.
 * Built by tools/install-deps.sh without libc headers, against the i386 libc
 * alone, so that no 32-bit development packages are needed. */
typedef unsigned int size_t;
typedef long long off64_t;
extern int *__errno_location(void);
extern void *dlsym(void *, const char *);
extern void *malloc(size_t);
extern void free(void *);
extern int pthread_key_create(unsigned int *, void (*)(void *));
extern int pthread_setspecific(unsigned int, const void *);
#define RTLD_NEXT ((void *)-1l)
#define MAP_FIXED_NOREPLACE 0x100000
#define EEXIST 17
#define EINVAL 22
#define ENOSYS 38

long raw_syscall(long nr, long a, long b, long c, long d, long e, long f);
__asm__(".text\n.globl raw_syscall\n.hidden raw_syscall\n.type raw_syscall,@function\nraw_syscall:\n"
        "\tpush %ebp\n\tpush %edi\n\tpush %esi\n\tpush %ebx\n"
        "\tmov 20(%esp),%eax\n\tmov 24(%esp),%ebx\n\tmov 28(%esp),%ecx\n\tmov 32(%esp),%edx\n"
        "\tmov 36(%esp),%esi\n\tmov 40(%esp),%edi\n\tmov 44(%esp),%ebp\n"
        "\tint $0x80\n\tpop %ebx\n\tpop %esi\n\tpop %edi\n\tpop %ebp\n\tret\n");

static long result(long r)
{
    if ((unsigned long)r > 0xfffff000ul) { *__errno_location() = -r; return -1; }
    return r;
}

static void *do_mmap(void *addr, size_t len, int prot, int flags, int fd, off64_t off)
{
    long r;
    if (off & 4095) { *__errno_location() = EINVAL; return (void *)-1; }
    r = result(raw_syscall(192 /* mmap2 */, (long)addr, len, prot, flags & ~MAP_FIXED_NOREPLACE, fd, (long)(off >> 12)));
    if (r != -1 && (flags & MAP_FIXED_NOREPLACE) && addr && (void *)r != addr)
    {
        raw_syscall(91 /* munmap */, r, len, 0, 0, 0, 0);
        *__errno_location() = EEXIST;
        return (void *)-1;
    }
    return (void *)r;
}
void *mmap(void *addr, size_t len, int prot, int flags, int fd, long off) { return do_mmap(addr, len, prot, flags, fd, off); }
void *mmap64(void *addr, size_t len, int prot, int flags, int fd, off64_t off) { return do_mmap(addr, len, prot, flags, fd, off); }

long syscall(long nr, ...)
{
    __builtin_va_list ap;
    long a, b, c, d, e, f;
    if (nr == 243 /* set_thread_area */) { *__errno_location() = ENOSYS; return -1; }
    __builtin_va_start(ap, nr);
    a = __builtin_va_arg(ap, long); b = __builtin_va_arg(ap, long); c = __builtin_va_arg(ap, long);
    d = __builtin_va_arg(ap, long); e = __builtin_va_arg(ap, long); f = __builtin_va_arg(ap, long);
    __builtin_va_end(ap);
    return result(raw_syscall(nr, a, b, c, d, e, f));
}

/* %gs descriptors: the top of the LDT, far above what wine hands out (it
 * counts up from 512 once %gs lives in the LDT).  Freed slots queue up and
 * are reused oldest first, so an exiting thread keeps its slot for a while. */
#define GS_FIRST 7168
#define GS_COUNT 1024
static unsigned short gs_queue[GS_COUNT];
static unsigned int gs_head, gs_tail;   /* queue holds [head, tail) */
static volatile int gs_lock;
static unsigned int gs_key;

struct user_desc
{
    unsigned int entry_number, base_addr, limit;
    unsigned int seg_32bit:1, contents:2, read_exec_only:1, limit_in_pages:1, seg_not_present:1, useable:1;
};

static void lock(void) { while (__sync_lock_test_and_set(&gs_lock, 1)) raw_syscall(158 /* sched_yield */, 0, 0, 0, 0, 0, 0); }
static void unlock(void) { __sync_lock_release(&gs_lock); }

static void gs_release(void *slot)
{
    lock();
    gs_queue[gs_tail++ % GS_COUNT] = (unsigned short)(long)slot - 1;
    unlock();
}

/* Moves the calling thread's %gs to an LDT descriptor of its own. */
static void gs_to_ldt(void)
{
    struct user_desc d = {0};
    unsigned int base, idx, sel;
    lock();
    if (gs_head == gs_tail) { unlock(); return; }
    idx = gs_queue[gs_head++ % GS_COUNT];
    unlock();
    __asm__ volatile("movl %%gs:0,%0" : "=r"(base));
    d.entry_number = idx; d.base_addr = base; d.limit = 0xfffff;
    d.seg_32bit = 1; d.limit_in_pages = 1; d.useable = 1;
    if (raw_syscall(123 /* modify_ldt */, 0x11, (long)&d, sizeof d, 0, 0, 0) != 0) { gs_release((void *)(long)(idx + 1)); return; }
    sel = (idx << 3) | 7;
    __asm__ volatile("movw %w0,%%gs" :: "r"(sel));
    pthread_setspecific(gs_key, (void *)(long)(idx + 1));
}

/* qemu's clone with CLONE_SETTLS writes the new TLS descriptor into the GDT
 * slot that glibc uses and then reloads the child's %gs with the selector the
 * parent has at that moment.  So the parent points its own %gs back at that
 * GDT slot, filled with its own base, while it creates a thread, with signals
 * blocked so that no signal return reloads the slot in between; the child
 * moves to an LDT descriptor of its own before the parent goes on. */
static unsigned int gdt_gs_sel;
static volatile int create_lock;

__attribute__((constructor)) static void init(void)
{
    unsigned int i, sel;
    __asm__ volatile("movw %%gs,%w0" : "=r"(sel));
    if (!(sel & 4)) gdt_gs_sel = sel & 0xffff;
    for (i = 0; i < GS_COUNT; i++) gs_queue[i] = GS_FIRST + i;
    gs_tail = GS_COUNT;
    pthread_key_create(&gs_key, gs_release);
    gs_to_ldt();
}

struct start { void *(*fn)(void *); void *arg; unsigned int mask[2]; volatile int ready; };
static void *start_thread(void *p)
{
    struct start *s = p;
    void *(*fn)(void *) = s->fn;
    void *arg = s->arg;
    unsigned int mask[2] = { s->mask[0], s->mask[1] };
    gs_to_ldt();
    __sync_synchronize();
    s->ready = 1;   /* the parent frees s from here on */
    raw_syscall(175 /* rt_sigprocmask */, 2 /* SIG_SETMASK */, (long)mask, 0, 8, 0, 0);
    return fn(arg);
}

int pthread_create(void *thread, const void *attr, void *(*fn)(void *), void *arg)
{
    static int (*real)(void *, const void *, void *(*)(void *), void *);
    struct user_desc d = {0};
    unsigned int all[2] = { ~0u, ~0u }, base, sel;
    struct start *s;
    int r;
    if (!real) real = dlsym(RTLD_NEXT, "pthread_create");
    if (!gdt_gs_sel || !(s = malloc(sizeof *s))) return real(thread, attr, fn, arg);
    s->fn = fn; s->arg = arg; s->ready = 0;
    raw_syscall(175, 0 /* SIG_BLOCK */, (long)all, (long)s->mask, 8, 0, 0);
    while (__sync_lock_test_and_set(&create_lock, 1)) raw_syscall(158, 0, 0, 0, 0, 0, 0);
    __asm__ volatile("movw %%gs,%w0\n\tmovl %%gs:0,%1" : "=r"(sel), "=r"(base));
    d.entry_number = gdt_gs_sel >> 3; d.base_addr = base; d.limit = 0xfffff;
    d.seg_32bit = 1; d.limit_in_pages = 1; d.useable = 1;
    raw_syscall(243 /* set_thread_area */, (long)&d, 0, 0, 0, 0, 0);
    __asm__ volatile("movw %w0,%%gs" :: "r"(gdt_gs_sel));
    r = real(thread, attr, start_thread, s);
    __asm__ volatile("movw %w0,%%gs" :: "r"(sel));
    if (!r) while (!s->ready) raw_syscall(158, 0, 0, 0, 0, 0, 0);
    __sync_lock_release(&create_lock);
    raw_syscall(175, 2, (long)s->mask, 0, 8, 0, 0);
    free(s);
    return r;
}

/* Fault signals: wine reads the trap number from the signal context.  The
 * i386 layouts: siginfo si_code at byte 8; ucontext gregs at byte 20, with
 * REG_TRAPNO the 12th; struct sigaction is the handler, a 128-byte mask,
 * then the flags. */
#define SA_SIGINFO 4
typedef void (*handler_t)(int, void *, void *);
static handler_t real_handlers[32];

static int trap_number(int sig, int code)
{
    switch (sig)
    {
    case 4:  return 6;                                     /* SIGILL: invalid opcode */
    case 5:  return code == 0x80 ? 3 : 1;                  /* SIGTRAP: int3, else single step */
    case 7:  return 14;                                    /* SIGBUS: page fault */
    case 8:  return code == 1 ? 0 : code == 2 ? 4 : 16;    /* SIGFPE: divide, overflow, x87 */
    case 11: return code == 1 || code == 2 ? 14 : 13;      /* SIGSEGV: page fault, else protection */
    }
    return -1;
}

static void fault_trampoline(int sig, void *info, void *uc)
{
    int *trapno = (int *)((char *)uc + 20) + 12;
    if (*trapno == -1) *trapno = trap_number(sig, ((int *)info)[2]);
    real_handlers[sig](sig, info, uc);
}

int sigaction(int sig, const void *act, void *old)
{
    static int (*real)(int, const void *, void *);
    unsigned char copy[140];
    handler_t prev = (sig > 0 && sig < 32) ? real_handlers[sig] : 0;
    int r, i;
    if (!real) real = dlsym(RTLD_NEXT, "sigaction");
    if (act && trap_number(sig, 0) != -1 && (((const int *)act)[33] & SA_SIGINFO)
        && *(handler_t const *)act != fault_trampoline)
    {
        for (i = 0; i < 140; i++) copy[i] = ((const unsigned char *)act)[i];
        real_handlers[sig] = *(handler_t const *)act;
        *(handler_t *)copy = fault_trampoline;
        act = copy;
    }
    else if (act && sig > 0 && sig < 32 && *(handler_t const *)act != fault_trampoline) real_handlers[sig] = 0;
    r = real(sig, act, old);
    if (old && *(handler_t *)old == fault_trampoline && prev) *(handler_t *)old = prev;
    return r;
}
