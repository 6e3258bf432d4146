#include "core/song/song_plan.hpp"

namespace fretwise {

SongPlan PlanSong(const SongFile& file, std::size_t song, int transpose, CapoWish capo,
                  const ShapeSearch& search) {
    SongPlan plan;
    plan.setting.transpose = transpose;
    if (capo.kind == CapoWish::Kind::Suggested) {
        plan.suggestion = SuggestCapo(file, song, transpose, search);
        plan.setting.capo = plan.suggestion->capo;
    } else if (capo.kind == CapoWish::Kind::Fret) {
        plan.setting.capo = capo.fret;
    }
    plan.arranged = Arrange(file, song, plan.setting);
    ShapeSearch withCapo = search;
    withCapo.strings.capo = static_cast<std::int16_t>(plan.arranged.capo);
    plan.shapes = ChooseShapes(plan.arranged, withCapo);
    return plan;
}

std::vector<ShapeToDefine> DefinesOf(const SongPlan& plan) {
    std::vector<ShapeToDefine> defines;
    for (std::size_t k = 0; k < plan.arranged.chords.size(); ++k) {
        if (const std::optional<Fingering>& shape = plan.shapes.shapes[k]) {
            defines.push_back({plan.arranged.chords[k].shape, shape->Fret, shape->Finger});
        }
    }
    return defines;
}

}  // namespace fretwise
