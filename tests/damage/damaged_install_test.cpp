// The built game copied into an installation of its own, one data file damaged at a time (a loose
// file, or an entry of a resource archive repacked with it), and each time walked through the front
// end and then into a hole by automation scripts: no instance of the program may crash, hang or
// trip a sanitizer. A damage that changes what the front end shows is reported with a message.
//
// CTest runs a sample (VELMORA_DAMAGE_CASES, default 10, drawn with VELMORA_DAMAGE_SEED; the
// files narrowed by VELMORA_DAMAGE_ONLY); bench/damaged_install.sh runs every case.
// A run that has not ended after VELMORA_DAMAGE_TIMEOUT seconds (default 120) counts as hung.
#include "../content/content_readers.h"
#include "../support/program_run.h"
#include "damage.h"
#include "tools/content/zip_file.h"

#include <gtest/gtest.h>

#include <sys/prctl.h>

#include <cstdlib>
#include <filesystem>

namespace velmora {
namespace {

namespace fs = std::filesystem;
using test::Damage;
using test::DamageCase;
using test::DataFile;

const fs::path built = VELMORA_BINARY_DIR;

// Through the cover, the settings, the load page, the players and two courses by the buttons'
// index keys, with a snapshot of each page; the front end's pictures and templates all pass by.
constexpr char frontEndWalk[] =
    "wait 600\nsnapshot {}cover.bmp\ntap 240 320\nwait 1200\nsnapshot {}intro.bmp\n"
    "key 3\nwait 400\nsnapshot {}settings.bmp\nkey 2\nkey 7\nwait 300\nkey 0\nwait 1200\n"
    "key 2\nwait 1200\nsnapshot {}load.bmp\nkey 0\nwait 1200\n"
    "key 1\nwait 1200\nsnapshot {}players.bmp\nkey 9\nwait 1200\nsnapshot {}courses.bmp\n"
    "key 6\nwait 300\nsnapshot {}next_course.bmp\nkey 0\nwait 1200\nquit\n";
// A hole being loaded, and a few seconds of play on the tee.
constexpr char holeWalk[] = "wait 3000\nsnapshot {}tee.bmp\nwait 3000\nquit\n";

// The hole whose loading reads the damaged file: a hole model or a file of a course's own folder
// picks that hole or course; any other file, the first hole of the first course.
struct HoleChoice {
    std::string record;
    bool damagedModel = false; // the hole's own model is the damaged file
};

HoleChoice holeFor(const DataFile& file) {
    std::string course = "heron_dunes", hole = "1";
    const fs::path path = file.path;
    const std::string folder = path.begin()->string(), name = path.filename().string();
    const bool courseFile =
        file.archive == "scenes/scenes.zip" && fs::exists(built / "resources/scenes" / (folder + ".jpg"));
    const bool model = courseFile && name.starts_with("hole") && name.ends_with(".3ds");
    if (courseFile)
        course = folder;
    if (model)
        hole = name.substr(4, name.size() - 8);
    return {"ARG:course=" + course + ",hole=" + hole +
                ",CharacterSelected0=1,PlayerName0=Ann,PlayerScores0=0;0;0;0;0;0;0;0;0",
            model};
}

std::string withShots(std::string script, const std::string& prefix) {
    for (size_t at; (at = script.find("{}")) != std::string::npos;)
        script.replace(at, 2, prefix);
    return script;
}

size_t environmentNumber(const char* name, size_t fallback) {
    const char* value = std::getenv(name);
    if (!value || !*value)
        return fallback;
    return std::string(value) == "all" ? SIZE_MAX : std::strtoull(value, nullptr, 10);
}

// How a run ended, over every instance it started (the front end relaunches itself into a game and
// back): the instances become this process's children when their parent ends.
struct RunEnd {
    bool hung = false;
    std::vector<std::string> faults; // an instance killed by a signal or a sanitizer report
    std::string errors;              // standard error of all instances
};

// The processes whose parent is this one.
std::vector<pid_t> ownChildren() {
    std::vector<pid_t> children;
    for (const auto& entry : fs::directory_iterator("/proc")) {
        const std::string stat = test::readFile((entry.path() / "stat").string());
        const size_t close = stat.rfind(')');
        if (close == std::string::npos)
            continue;
        int parent = 0;
        if (std::sscanf(stat.c_str() + close + 1, " %*c %d", &parent) == 1 && parent == getpid())
            children.push_back(std::stoi(entry.path().filename().string()));
    }
    return children;
}

RunEnd runAll(const std::string& program, const std::vector<std::string>& arguments,
              const std::map<std::string, std::string>& settings, int timeoutMs) {
    prctl(PR_SET_CHILD_SUBREAPER, 1);
    test::Program run(settings, arguments, program);
    RunEnd end;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        int status = 0;
        const pid_t pid = waitpid(-1, &status, WNOHANG);
        if (pid < 0)
            break; // no instance left
        if (pid > 0) {
            if (WIFSIGNALED(status) && !end.hung)
                end.faults.push_back("an instance was killed by signal " + std::to_string(WTERMSIG(status)));
            continue;
        }
        if (std::chrono::steady_clock::now() > deadline) {
            end.hung = true; // every instance still running is stopped, and their own children after them
            for (pid_t child : ownChildren())
                kill(child, SIGKILL);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    end.errors = run.errorText();
    if (end.errors.find("Sanitizer") != std::string::npos ||
        end.errors.find("runtime error:") != std::string::npos)
        end.faults.push_back("sanitizer report");
    return end;
}

class DamagedInstall : public testing::Test {
protected:
    static void SetUpTestSuite() {
        root = test::temporaryPath("damaged_install");
        fs::create_directories(root / "bin");
        fs::copy_file(VELMORA_PROGRAM, root / "bin" / "velmora");
        fs::copy(built / "resources", root / "resources", fs::copy_options::recursive);
        fs::copy(built / "manual", root / "manual", fs::copy_options::recursive);
    }

    // Every data file of the installation: the loose files, each archive and each archive's entries.
    static std::vector<DataFile> dataFiles() {
        std::vector<DataFile> files;
        for (const std::string& path : content::listFiles((root / "resources").string())) {
            files.push_back({"", path});
            if (fs::path(path).extension() != ".zip")
                continue;
            const auto archive = test::readZip((root / "resources" / path).string());
            for (const auto& entry : archive ? *archive : std::map<std::string, test::ZipEntryInfo>{})
                files.push_back({path, entry.first});
        }
        return files;
    }

    // The front end's snapshots of the undamaged installation, to tell which damage shows.
    // The snapshots are removed once read.
    static std::map<std::string, std::string> frontEndShots(const std::string& prefix) {
        std::map<std::string, std::string> shots;
        for (const char* page : {"cover", "intro", "settings", "load", "players", "courses", "next_course"}) {
            shots[page] = test::readFile(prefix + page + ".bmp");
            fs::remove(prefix + page + ".bmp");
        }
        fs::remove(prefix + "tee.bmp");
        return shots;
    }

    // Writes the damaged file over the original: a loose file directly, an entry by repacking its
    // archive with the others as they are.
    static void damage(const DamageCase& c, const fs::path& target, const std::string& original) {
        if (c.file.archive.empty()) {
            test::writeFile(target.string(), test::damaged(original, c.damage, c.seed));
            return;
        }
        const fs::path unpacked = root / "unpacked";
        fs::remove_all(unpacked);
        const auto archive = test::readZip(target.string());
        ASSERT_TRUE(archive);
        std::vector<content::ZipEntry> entries;
        for (const auto& [name, entry] : *archive) {
            const fs::path file = unpacked / name;
            fs::create_directories(file.parent_path());
            std::string bytes(entry.bytes.begin(), entry.bytes.end());
            test::writeFile(file.string(),
                            name == c.file.path ? test::damaged(bytes, c.damage, c.seed) : bytes);
            entries.push_back({name, file.string()});
        }
        ASSERT_TRUE(content::writeZip(target.string(), entries, content::Deflate::Fastest));
    }

    RunEnd walk(const std::string& name, const std::string& script,
                const std::vector<std::string>& arguments) {
        const std::string scriptFile = test::temporaryPath(name + ".txt");
        test::writeFile(scriptFile, script);
        auto settings = test::headless(scriptFile);
        settings["VELMORA_SPEED"] = "max";
        // A player's folder of its own for every run: what one damaged run saved never reaches the next.
        const std::string home = test::temporaryPath(name + "_home");
        for (const char* variable : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME"})
            settings[variable] = home + "/" + variable;
        RunEnd end = runAll((root / "bin" / "velmora").string(), arguments, settings, timeoutMs);
        fs::remove_all(home);
        return end;
    }

    static inline fs::path root;
    // A run takes a few seconds; at the lowest priority on a busy machine it may wait minutes for
    // the processor, so the sweep's script gives it longer (VELMORA_DAMAGE_TIMEOUT, seconds).
    static inline const int timeoutMs =
        1000 * static_cast<int>(std::min<size_t>(environmentNumber("VELMORA_DAMAGE_TIMEOUT", 120), 3600));
};

struct Tally {
    int cases = 0, frontEndFaults = 0, holeFaults = 0, hangs = 0, shownWithMessage = 0, shownSilently = 0,
        unseen = 0;
};

TEST_F(DamagedInstall, NoDamagedDataFileCrashesOrHangsTheGame) {
    const std::string shots = (root / "shots_").string();
    const RunEnd clean = walk("clean", withShots(frontEndWalk, shots + "clean_"), {});
    ASSERT_FALSE(clean.hung) << clean.errors;
    ASSERT_TRUE(clean.faults.empty()) << clean.errors;
    const auto cleanShots = frontEndShots(shots + "clean_");
    for (const auto& [page, bytes] : cleanShots)
        ASSERT_FALSE(bytes.empty()) << page << " not shown: " << clean.errors;

    // VELMORA_DAMAGE_ONLY keeps the files whose label contains it, to replay a case of a sweep.
    std::vector<DataFile> files = dataFiles();
    if (const char* only = std::getenv("VELMORA_DAMAGE_ONLY"))
        std::erase_if(files,
                      [&](const DataFile& file) { return file.label().find(only) == std::string::npos; });
    const std::vector<DamageCase> cases =
        test::sampleCases(test::allCases(files), environmentNumber("VELMORA_DAMAGE_CASES", 10),
                          environmentNumber("VELMORA_DAMAGE_SEED", 17));
    Tally tally;
    for (const DamageCase& c : cases) {
        const std::string label = c.file.label() + " " + test::damageName(c.damage);
        SCOPED_TRACE(label);
        const fs::path target = root / "resources" / (c.file.archive.empty() ? c.file.path : c.file.archive);
        const std::string original = test::readFile(target.string());
        ASSERT_NO_FATAL_FAILURE(damage(c, target, original));
        const std::string prefix = shots + std::to_string(tally.cases) + "_";
        const std::string run = std::to_string(tally.cases);
        const RunEnd frontEnd = walk("front_end_" + run, withShots(frontEndWalk, prefix), {});
        const HoleChoice choice = holeFor(c.file);
        const RunEnd hole = walk("hole_" + run, withShots(holeWalk, prefix), {choice.record});
        test::writeFile(target.string(), original);

        ++tally.cases;
        tally.frontEndFaults += !frontEnd.faults.empty();
        tally.holeFaults += !hole.faults.empty();
        tally.hangs += frontEnd.hung + hole.hung;
        EXPECT_FALSE(frontEnd.hung) << "front end hung: " << frontEnd.errors;
        EXPECT_FALSE(hole.hung) << "hole hung: " << hole.errors;
        EXPECT_TRUE(frontEnd.faults.empty()) << frontEnd.faults.front() << "\n" << frontEnd.errors;
        EXPECT_TRUE(hole.faults.empty()) << hole.faults.front() << "\n" << hole.errors;
        const bool shown = frontEndShots(prefix) != cleanShots;
        const bool message = !frontEnd.errors.empty() || !hole.errors.empty();
        (shown ? (message ? tally.shownWithMessage : tally.shownSilently) : tally.unseen)++;
        // A file that cannot be read at all and is missed says so.
        if (c.damage == Damage::Emptied || c.damage == Damage::Garbage) {
            EXPECT_TRUE(!shown || message) << "the front end changed without a message";
            EXPECT_TRUE(!choice.damagedModel || !hole.errors.empty()) << "the hole loaded without a message";
        }
        std::printf("%-60s %-14s front end %s, hole %s%s%s\n", c.file.label().c_str(),
                    test::damageName(c.damage),
                    frontEnd.hung             ? "hung"
                    : frontEnd.faults.empty() ? "ok"
                                              : "FAULT",
                    hole.hung             ? "hung"
                    : hole.faults.empty() ? "ok"
                                          : "FAULT",
                    shown ? ", front end changed" : "", message ? ", message" : "");
        std::fflush(stdout); // a line per case as it ends, also into a pipe
    }
    std::printf("%d cases: %d front-end faults, %d hole faults, %d hangs; front end changed with a message "
                "%d, without %d; no change on the front end %d\n",
                tally.cases, tally.frontEndFaults, tally.holeFaults, tally.hangs, tally.shownWithMessage,
                tally.shownSilently, tally.unseen);
}

} // namespace
} // namespace velmora
