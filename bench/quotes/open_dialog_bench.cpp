// Times the open dialog over a folder of many quote files: listing the folder alone, and the
// dialog built, listed and painted. Prints the median of several runs in milliseconds.
//
//   open_dialog_bench [FILE_COUNT] [--hold]
//
// --hold leaves the last dialog on screen (for screenshots) until it is closed.

#include "storage/open_dialog.h"
#include "storage/quote_folder.h"
#include "storage/quote_record.h"
#include "ui/session.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr int runs = 7;

fs::path make_folder(int file_count) {
    std::random_device random;
    const fs::path folder =
        fs::temp_directory_path() / ("carloan-bench-" + std::to_string(random()));
    fs::create_directories(folder);
    const carloan::quote_record record{};
    for (int i = 0; i < file_count; ++i) {
        // Mixed case and Japanese names, in no particular order, as a busy branch would have.
        std::string name = (i % 3 == 0   ? "Quote-"
                            : i % 3 == 1 ? "quote-"
                                         : "見積-") +
                           std::to_string((i * 7919) % file_count) + (i % 5 ? ".car" : ".CAR");
        std::ofstream(folder / fs::path(std::u8string(name.begin(), name.end())), std::ios::binary)
            .write(reinterpret_cast<const char*>(&record), sizeof record);
    }
    std::ofstream(folder / "other.txt") << "not a quote";
    return folder;
}

double median_ms(const std::function<void()>& run) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        run();
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    int file_count = 10000;
    bool hold = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--hold") == 0) {
            hold = true;
        } else {
            file_count = std::max(0, std::atoi(argv[i]));
        }
    }

    const fs::path folder = make_folder(file_count);
    carloan::session_state session;

    std::size_t listed = 0;
    const double listing = median_ms([&] { listed = carloan::list_quote_files(folder).size(); });

    const double shown = median_ms([&] {
        carloan::open_dialog dialog(nullptr, session, folder);
        dialog.show();
        while (!dialog.windowHandle() || !dialog.windowHandle()->isExposed()) {
            QApplication::processEvents();
        }
        dialog.repaint();
        QApplication::processEvents();
    });

    std::printf("quote files listed:            %zu of %d\n", listed, file_count);
    std::printf("list_quote_files:              %8.2f ms (median of %d)\n", listing, runs);
    std::printf("open dialog listed and shown:  %8.2f ms (median of %d; target 300 ms)\n", shown,
                runs);
    std::fflush(stdout);

    if (hold) {
        carloan::open_dialog dialog(nullptr, session, folder);
        dialog.exec();
    }
    fs::remove_all(folder);
    return 0;
}
