// Times KVB's largest seating file (100 tables, no stationary players, 100 groups: 4 000 000
// records, 56 000 000 bytes), built and written through the code the window uses, against a
// plain durable write of as many bytes from memory into the same folder. Prints the median of
// each and their ratio; the aim is at most 1.5.
//   kvb_write [folder] [runs]
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/Streams.h"
#include "seating/SeatingFile.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr seating::SeatingCounts kLargest{100, 0, 100, 400, 400};
constexpr std::size_t kBytes = 56'000'000;

double Seconds(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// What the window does on "Skriv ny fil" once the grid is checked: players 1 to 400 seated
// table by table, the other groups built from them, the file written.
double WriteSeatingOnce(const std::string& fileName) {
    const Clock::time_point start = Clock::now();
    std::vector<seating::SeatingRecord> Seating(
        static_cast<std::size_t>(kLargest.TableCount * kLargest.GroupCount));
    for (int table = 1; table <= kLargest.TableCount; ++table) {
        seating::SeatingRecord& record = Seating[static_cast<std::size_t>(table - 1)];
        record = seating::FirstRound(table);
        for (std::size_t seat = 0; seat < seating::kSeats.size(); ++seat)
            record.*seating::kSeats[seat] =
                static_cast<std::uint16_t>(4 * (table - 1) + static_cast<int>(seat) + 1);
    }
    seating::BuildGroups(Seating, kLargest);
    seating::WriteSeatingFile(fileName, Seating, kLargest);
    return Seconds(start);
}

[[noreturn]] void Fail(const char* what, const std::string& fileName) {
    std::perror((std::string(what) + " " + fileName).c_str());
    std::exit(1);
}

// The same bytes from memory in as few calls as the system allows, made as durable as the
// seating file: the file and the folder that names it synced.
double WritePlainOnce(const std::string& fileName, const std::string& folder,
                      const std::vector<char>& bytes) {
    const Clock::time_point start = Clock::now();
    const int fd = ::open(fileName.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) Fail("open", fileName);
    for (std::size_t done = 0; done < bytes.size();) {
        const ssize_t put = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (put <= 0) Fail("write", fileName);
        done += static_cast<std::size_t>(put);
    }
    if (::fsync(fd) != 0) Fail("fsync", fileName);
    ::close(fd);
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return Seconds(start);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

std::int64_t FileSize(const std::string& fileName) {
    return platform::FileStream(fileName, platform::FileMode::OpenRead, false).Size();
}

}  // namespace

int main(int argc, char* argv[]) {
    const std::string folder = argc > 1 ? argv[1] : ".";
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 7;
    const std::string seatingFile = folder + "/kvb_write.KVB";
    const std::string plainFile = folder + "/kvb_write.plain";
    std::vector<char> bytes(kBytes);
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 7);

    std::vector<double> kvb;
    std::vector<double> plain;
    for (int run = 0; run < runs; ++run) {
        // Taking turns which goes first keeps a warm or cold disk cache from favouring one.
        if (run % 2 == 0) kvb.push_back(WriteSeatingOnce(seatingFile));
        plain.push_back(WritePlainOnce(plainFile, folder, bytes));
        if (run % 2 == 1) kvb.push_back(WriteSeatingOnce(seatingFile));
        if (FileSize(seatingFile) != static_cast<std::int64_t>(kBytes) ||
            FileSize(plainFile) != static_cast<std::int64_t>(kBytes)) {
            std::fprintf(stderr, "a file has the wrong size\n");
            return 1;
        }
        ::unlink(seatingFile.c_str());
        ::unlink(plainFile.c_str());
    }
    const double kvbSeconds = Median(kvb);
    const double plainSeconds = Median(plain);
    std::printf("largest seating file, %zu bytes, median of %d runs in %s\n", kBytes, runs,
                folder.c_str());
    std::printf("  KVB build and write: %.3f s\n", kvbSeconds);
    std::printf("  plain write:         %.3f s\n", plainSeconds);
    std::printf("  ratio:               %.2f (aim: at most 1.50)\n", kvbSeconds / plainSeconds);
    return 0;
}
