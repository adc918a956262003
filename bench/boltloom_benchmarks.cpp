// The shot editor on the Qt back end: shot file load and save.
#include "bench/driven_toolkit.h"
#include "bench/editor_benchmarks.h"
#include "bench/file_baselines.h"
#include "bench/qt_driving.h"
#include "boltloom/form/program.h"

namespace bench {
namespace {

constexpr const char* kShotPath = "shots\\laser.sht";

struct Boltloom {
    DrivenToolkit toolkit{"boltloom"};
    boltloom::Program program{toolkit};

    Boltloom()
    {
        showAndPaint(toolkit.find<ui::Window>("Form1"));
        toolkit.find<ui::TextField>("Text2").setText("laser");
    }
    void press(const char* button)
    {
        click(toolkit.find<ui::Button>(button));
        paintPending();
    }
};

void shot_load(benchmark::State& state)
{
    Boltloom b;
    for (auto _ : state)
        b.press("Command1");
}

void shot_save(benchmark::State& state)
{
    Boltloom b;
    b.press("Command1");
    for (auto _ : state)
        b.press("Command2");
}

void shot_read_only(benchmark::State& state) { readFileBaseline(state, kShotPath); }
void shot_plain_write(benchmark::State& state) { writeFileBaseline(state, kShotPath); }

}  // namespace

TERVOK_BENCHMARK(shot_load);
TERVOK_BENCHMARK(shot_read_only);
TERVOK_BENCHMARK(shot_save);
TERVOK_BENCHMARK(shot_plain_write);

}  // namespace bench
