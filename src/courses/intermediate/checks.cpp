// The answer checks of the seven intermediate exercises, as rows of the one check protocol.
#include "courses/intermediate/intermediate.h"

namespace kairo::intermediate {

namespace {

using namespace screens;

// Every answer is typed as a real part and an imaginary part, each in its own box.
constexpr AnswerField kImpedanceBoxes[] = {{"txtrr", Expect::ZTotal, Part::Re},
                                           {"txtjj", Expect::ZTotal, Part::Im}};
constexpr AnswerField kImpedanceLabels[] = {{"Labelrr", Expect::ZTotal, Part::Re},
                                            {"Labeljj", Expect::ZTotal, Part::Im}};
constexpr AnswerField kParallelBoxes[] = {{"txtrr", Expect::Z23Parallel, Part::Re},
                                          {"txtjj", Expect::Z23Parallel, Part::Im}};
constexpr AnswerField kParallelLabels[] = {{"Labelrr", Expect::Z23Parallel, Part::Re},
                                           {"Labeljj", Expect::Z23Parallel, Part::Im}};

// The I1 boxes come first: the third miss on NormalAA looks at them alone.
constexpr AnswerField kCurrentBoxes[] = {
    {"txtArr1", Expect::Current1, Part::Re}, {"txtAjj1", Expect::Current1, Part::Im},
    {"txtArr2", Expect::Current2, Part::Re}, {"txtAjj2", Expect::Current2, Part::Im},
    {"txtArr3", Expect::Current3, Part::Re}, {"txtAjj3", Expect::Current3, Part::Im}};
constexpr AnswerField kCurrentLabels[] = {
    {"LabelArr1", Expect::Current1, Part::Re}, {"LabelArr2", Expect::Current2, Part::Re},
    {"LabelArr3", Expect::Current3, Part::Re}, {"LabelAjj1", Expect::Current1, Part::Im},
    {"LabelAjj2", Expect::Current2, Part::Im}, {"LabelAjj3", Expect::Current3, Part::Im}};
constexpr AnswerField kTotalCurrentBoxes[] = {{"txtArr1", Expect::Current1, Part::Re},
                                              {"txtAjj1", Expect::Current1, Part::Im}};
constexpr AnswerField kTotalCurrentLabels[] = {{"LabelArr1", Expect::Current1, Part::Re},
                                               {"LabelAjj1", Expect::Current1, Part::Im}};
constexpr AnswerField kBranchCurrentBoxes[] = {{"txtArr2", Expect::Current2, Part::Re},
                                               {"txtAjj2", Expect::Current2, Part::Im},
                                               {"txtArr3", Expect::Current3, Part::Re},
                                               {"txtAjj3", Expect::Current3, Part::Im}};
constexpr AnswerField kBranchCurrentLabels[] = {{"LabelArr2", Expect::Current2, Part::Re},
                                                {"LabelAjj2", Expect::Current2, Part::Im},
                                                {"LabelArr3", Expect::Current3, Part::Re},
                                                {"LabelAjj3", Expect::Current3, Part::Im}};

// Screens hidden after the third miss.
constexpr ScreenId kNormalAA2Third[] = {Normali, Normali2};

constexpr CheckSpec kChecks[] = {
    {.screen = Normali,
     .computation = Computation::Total,
     .pattern = Pattern::Zero2,
     .boxes = kImpedanceBoxes,
     .correct = NormaliSeikai,
     .incorrect = NormaliFuseikai1,
     .hasVerdict = true,
     .selection = NormaliFuseikai2,
     .unlocks = kImpedanceStage},
    {.screen = Normali2,
     .computation = Computation::Total,
     .pattern = Pattern::Zero2,
     .boxes = kImpedanceBoxes,
     .correct = NormaliSeikai,
     .incorrect = Normali2Fuseikai1,
     .followUp = true,
     .hasVerdict = true,
     .answers = kImpedanceLabels,
     .answerOnCorrect = true,
     .end = NormalEND,
     .unlocks = kImpedanceStage},
    // The parallel part alone: zTotal keeps the value of the last whole-circuit check.
    {.screen = NormaliHei,
     .computation = Computation::ParallelWithZ1,
     .pattern = Pattern::Zero2,
     .boxes = kParallelBoxes,
     .correct = NormaliHeiSeikai,
     .incorrect = NormaliHeiFuseikai1,
     .followUp = true,
     .hasVerdict = true,
     .answers = kParallelLabels,
     .end = NormalEND},
    {.screen = NormalAA,
     .computation = Computation::Currents,
     .pattern = Pattern::Zero2,
     .boxes = kCurrentBoxes,
     .correct = NormalAASeikai,
     .incorrect = NormalAAFuseikai1,
     .selection = NormalAAFuseikai2,
     .firstCurrentBoxes = 2,
     .selectionOtherwise = NormalAAFuseikai3,
     .unlocks = kCurrentsStage},
    {.screen = NormalAA2,
     .computation = Computation::Currents,
     .pattern = Pattern::Zero2,
     .boxes = kCurrentBoxes,
     .correct = NormalAASeikai,
     .incorrect = NormalAA2Fuseikai1,
     .followUp = true,
     .answers = kCurrentLabels,
     .end = NormalEND,
     .hideAtThird = kNormalAA2Third,
     .unlocks = kCurrentsStage},
    {.screen = NormalAA3,
     .computation = Computation::Currents,
     .pattern = Pattern::Zero2,
     .boxes = kTotalCurrentBoxes,
     .correct = NormalAAHeiSeikai,
     .incorrect = NormalAA3Fuseikai1,
     .followUp = true,
     .answers = kTotalCurrentLabels,
     .answerOnCorrect = true,
     .end = NormalEND},
    {.screen = NormalAAHei,
     .computation = Computation::Currents,
     .pattern = Pattern::Zero2,
     .boxes = kBranchCurrentBoxes,
     .correct = NormalAAHeiSeikai,
     .incorrect = NormalAAHeiFuseikai1,
     .followUp = true,
     .hasVerdict = true,
     .answers = kBranchCurrentLabels,
     .answerOnCorrect = true,
     .end = NormalEND},
};

}  // namespace

std::span<const CheckSpec> checks() {
  return kChecks;
}

}  // namespace kairo::intermediate
