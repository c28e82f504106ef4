// Sample displays in the shapes of the widget sizes.
#include "tools/samples/sample_scenes.h"

namespace quillon {

std::vector<SampleScene> sampleScenes()
{
    const auto text = [](std::vector<std::string> lines, int cells, double weight, DotAlignment align) {
        return DotBlock(TextBlock{std::move(lines), cells, weight, align});
    };
    const auto bar = [](double fraction, int cells, double weight) {
        return DotBlock(BarBlock{fraction, cells, weight, DotAlignment::center()});
    };
    const DotAlignment leading = DotAlignment::leading();
    const DotAlignment centre = DotAlignment::center();
    return {
        {"board-extra-large", 724, 344,
         {{text({" 9:41A Los Angeles", "12:41P New York", " 5:41P London", " 8:41P Dubai", " 1:41A Tokyo",
                 " 3:41A Sydney", " 5:41A Auckland"},
                26, 1, centre)},
          8, 16}},
        {"clock-large", 344, 344,
         {{text({"Z\u00FCrich"}, 12, 1, leading), text({"09:41"}, 5, 3, centre), text({"SAT 05 DEC"}, 12, 1, leading),
           bar(0.4, 12, 0.45)},
          12, 20}},
        {"progress-medium", 344, 164,
         {{text({"DECEMBER     16%"}, 16, 1, centre), bar(0.16, 16, 0.9), text({"26 DAYS LEFT"}, 16, 0.8, centre)},
          12, 18}},
        {"sign-small", 164, 164, {{text({" HI"}, 4, 1, centre)}, 8, 16}},
    };
}

} // namespace quillon
