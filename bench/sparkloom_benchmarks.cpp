// The particle editor on the Qt back end: catalogue reload and save.
#include "bench/driven_toolkit.h"
#include "bench/editor_benchmarks.h"
#include "bench/file_baselines.h"
#include "bench/qt_driving.h"
#include "sparkloom/form/program.h"

namespace bench {
namespace {

constexpr const char* kCataloguePath = "sprites\\particle.lst";

struct Sparkloom {
    DrivenToolkit toolkit{"sparkloom"};
    sparkloom::Program program{toolkit};

    Sparkloom() { showAndPaint(toolkit.find<ui::Window>("Form1")); }
    void press(const char* button)
    {
        click(toolkit.find<ui::Button>(button));
        paintPending();
    }
};

void catalogue_load(benchmark::State& state)
{
    Sparkloom s;
    for (auto _ : state)
        s.press("Command1");
}

void catalogue_save(benchmark::State& state)
{
    Sparkloom s;
    s.press("Command1");
    for (auto _ : state)
        s.press("Command2");
}

void catalogue_read_only(benchmark::State& state) { readFileBaseline(state, kCataloguePath); }
void catalogue_plain_write(benchmark::State& state) { writeFileBaseline(state, kCataloguePath); }

}  // namespace

TERVOK_BENCHMARK(catalogue_load);
TERVOK_BENCHMARK(catalogue_read_only);
TERVOK_BENCHMARK(catalogue_save);
TERVOK_BENCHMARK(catalogue_plain_write);

}  // namespace bench
