// The player editor on the Qt back end: player file load and save.
#include "bench/driven_toolkit.h"
#include "bench/editor_benchmarks.h"
#include "bench/file_baselines.h"
#include "bench/qt_driving.h"
#include "figureloom/form/program.h"

namespace bench {
namespace {

constexpr const char* kPlayerPath = "player\\soldier.dat";

struct Figureloom {
    DrivenToolkit toolkit{"figureloom"};
    figureloom::Program program{toolkit};

    Figureloom()
    {
        showAndPaint(toolkit.find<ui::Window>("Form1"));
        toolkit.find<ui::TextField>("Text2").setText("soldier");
    }
    void press(const char* button)
    {
        click(toolkit.find<ui::Button>(button));
        paintPending();
    }
};

void player_load(benchmark::State& state)
{
    Figureloom f;
    for (auto _ : state)
        f.press("Command1");
}

void player_save(benchmark::State& state)
{
    Figureloom f;
    f.press("Command1");
    for (auto _ : state)
        f.press("Command2");
}

void player_read_only(benchmark::State& state) { readFileBaseline(state, kPlayerPath); }
void player_plain_write(benchmark::State& state) { writeFileBaseline(state, kPlayerPath); }

}  // namespace

TERVOK_BENCHMARK(player_load);
TERVOK_BENCHMARK(player_read_only);
TERVOK_BENCHMARK(player_save);
TERVOK_BENCHMARK(player_plain_write);

}  // namespace bench
