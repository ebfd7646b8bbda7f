#include "cli/ParallelBuild.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <vector>

#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

namespace bv::cli {

namespace {
// The signals a run stops on (Ctrl-C, SIGTERM, the terminal closing); the
// parent passes the one it got on to the workers.
constexpr int kStopSignals[] = {SIGINT, SIGTERM, SIGHUP};
volatile std::sig_atomic_t gParentInterrupted = 0;
extern "C" void onParentSignal(int sig) { gParentInterrupted = sig; }

// Results of the workers, in memory shared with them.
struct Shared {
    WorkerResult* results = nullptr;
    std::size_t bytes = 0;
    explicit Shared(int jobs) : bytes(sizeof(WorkerResult) * static_cast<std::size_t>(jobs)) {
        void* p = ::mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
        if (p != MAP_FAILED) results = static_cast<WorkerResult*>(p);
        for (int i = 0; results != nullptr && i < jobs; ++i) results[i] = WorkerResult{1, 0};
    }
    ~Shared() {
        if (results != nullptr) ::munmap(results, bytes);
    }
    Shared(const Shared&) = delete;
    Shared& operator=(const Shared&) = delete;
};
}  // namespace

unsigned workerSeed(unsigned seed, int index) {
    return seed + static_cast<unsigned>(index) * 1000003u;
}

int workerShare(int count, int jobs, int index) {
    if (jobs < 1 || count < 0) return 0;
    return count / jobs + (index < count % jobs ? 1 : 0);
}

int runWorkers(int jobs, int count, std::optional<unsigned> seed,
               const std::function<WorkerResult(const WorkerPlan&)>& work, int* saved) {
    if (saved) *saved = 0;
    Shared shared(jobs);
    if (shared.results == nullptr) {
        std::fprintf(stderr, "brisvane-cli: cannot share memory with the workers\n");
        return 1;
    }
    // Whatever is buffered would otherwise be written once by every worker.
    std::fflush(stdout);
    std::fflush(stderr);

    struct sigaction sa {}, previous[3] {};
    sa.sa_handler = onParentSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = 0;  // waitpid returns with EINTR, so the signal can be passed on
    gParentInterrupted = 0;
    for (int i = 0; i < 3; ++i) ::sigaction(kStopSignals[i], &sa, &previous[i]);
    auto restore = [&] {
        for (int i = 0; i < 3; ++i) ::sigaction(kStopSignals[i], &previous[i], nullptr);
    };

    std::vector<pid_t> pids;
    bool forkFailed = false;
    for (int i = 0; i < jobs; ++i) {
        WorkerPlan plan;
        plan.index = i;
        plan.count = workerShare(count, jobs, i);
        if (seed) plan.seed = workerSeed(*seed, i);
        const pid_t pid = ::fork();
        if (pid < 0) {
            std::perror("brisvane-cli: fork");
            forkFailed = true;
            break;
        }
        if (pid == 0) {
            restore();
            WorkerResult r{1, 0};
            try {
                r = work(plan);
            } catch (...) {
                r = WorkerResult{1, 0};
            }
            shared.results[i] = r;
            std::fflush(stdout);
            std::fflush(stderr);
            ::_exit(r.exitCode);
        }
        pids.push_back(pid);
    }
    if (forkFailed)
        for (pid_t p : pids) ::kill(p, SIGTERM);

    std::vector<bool> done(pids.size(), false);
    std::size_t alive = pids.size();
    bool forwarded = false;
    bool abnormal = false;
    while (alive > 0) {
        int status = 0;
        const pid_t p = ::waitpid(-1, &status, 0);
        if (p < 0) {
            if (errno != EINTR) break;
            if (gParentInterrupted && !forwarded) {
                // Ctrl-C at a terminal reaches the workers as well; a signal sent
                // to the parent alone is passed on here.
                for (std::size_t i = 0; i < pids.size(); ++i)
                    if (!done[i]) ::kill(pids[i], static_cast<int>(gParentInterrupted));
                forwarded = true;
            }
            continue;
        }
        for (std::size_t i = 0; i < pids.size(); ++i)
            if (pids[i] == p && !done[i]) {
                done[i] = true;
                --alive;
                if (!WIFEXITED(status)) {
                    abnormal = true;
                    shared.results[i].exitCode = 1;
                }
            }
    }
    restore();

    int total = 0;
    bool interrupted = gParentInterrupted != 0, failed = forkFailed || abnormal;
    for (std::size_t i = 0; i < pids.size(); ++i) {
        total += shared.results[i].saved;
        if (shared.results[i].exitCode == 130) interrupted = true;
        else if (shared.results[i].exitCode != 0) failed = true;
    }
    if (saved) *saved = total;
    if (interrupted) return 130;
    return failed ? 1 : 0;
}

}  // namespace bv::cli
