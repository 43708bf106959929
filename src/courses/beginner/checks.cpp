// The answer checks of the seven beginner exercises, as rows of the one check protocol.
#include "courses/beginner/beginner.h"

namespace kairo::beginner {
namespace {

using namespace screens;

constexpr AnswerField kResistanceBox[] = {{"txtZR", Expect::ZTotal}};
constexpr AnswerField kResistanceAnswer[] = {{"lblZR", Expect::ZTotal}};
constexpr AnswerField kParallelBox[] = {{"txtZR", Expect::Z23Parallel}};
constexpr AnswerField kParallelAnswer[] = {{"lblZR", Expect::Z23Parallel}};
constexpr AnswerField kCurrentBoxes[] = {
    {"txtArr1", Expect::Current1}, {"txtArr2", Expect::Current2}, {"txtArr3", Expect::Current3}};
constexpr AnswerField kCurrentAnswers[] = {{"LabelArr1", Expect::Current1},
                                           {"LabelArr2", Expect::Current2},
                                           {"LabelArr3", Expect::Current3}};
constexpr AnswerField kTotalCurrentBox[] = {{"txtArr1", Expect::Current1}};
constexpr AnswerField kTotalCurrentAnswer[] = {{"LabelArr1", Expect::Current1}};
constexpr AnswerField kSplitBoxes[] = {{"txtArr2", Expect::Current2},
                                       {"txtArr3", Expect::Current3}};
constexpr AnswerField kSplitAnswers[] = {{"LabelArr2", Expect::Current2},
                                         {"LabelArr3", Expect::Current3}};

// The resistance screens spell their check button with a capital K.
constexpr const char* kResistanceCheck = "cmdKaitou";

// The further screens the third miss hides.
constexpr ScreenId kA2Third[] = {EasyR1, EasyR2};

constexpr CheckSpec kChecks[] = {
    {.screen = EasyR1,
     .computation = Computation::Total,
     .pattern = Pattern::Hash2,
     .boxes = kResistanceBox,
     .correct = EasyRSeikai,
     .incorrect = EasyRFuseikai1,
     .button = kResistanceCheck,
     .hasVerdict = true,
     .selection = EasyRFuseikai2,
     .unlocks = kImpedanceStage},
    {.screen = EasyR2,
     .computation = Computation::Total,
     .pattern = Pattern::Hash2,
     .boxes = kResistanceBox,
     .correct = EasyRSeikai,
     .incorrect = EasyR2Fuseikai1,
     .button = kResistanceCheck,
     .followUp = true,
     .hasVerdict = true,
     .answers = kResistanceAnswer,
     .answerPattern = Pattern::Hash2,
     .answerOnCorrect = true,
     .end = EasyREND,
     .unlocks = kImpedanceStage},
    {.screen = EasyRHei,
     .computation = Computation::Parallel,
     .pattern = Pattern::Hash2,
     .boxes = kParallelBox,
     .correct = EasyRHeiSeikai,
     .incorrect = EasyRHeiFuseikai1,
     .button = kResistanceCheck,
     .followUp = true,
     .hasVerdict = true,
     .answers = kParallelAnswer,
     .answerPattern = Pattern::Hash2,
     .answerOnCorrect = true,
     .end = EasyREND},
    {.screen = EasyA,
     .computation = Computation::Currents,
     .pattern = Pattern::Hash2,
     .boxes = kCurrentBoxes,
     .correct = EasyASeikai,
     .incorrect = EasyAFuseikai1,
     .selection = EasyAFuseikai2,
     .firstCurrentBoxes = 1,
     .selectionOtherwise = EasyAFuseikai3,
     .unlocks = kCurrentsStage},
    {.screen = EasyA2,
     .computation = Computation::Currents,
     .pattern = Pattern::Hash2,
     .boxes = kCurrentBoxes,
     .correct = EasyASeikai,
     .incorrect = EasyA2Fuseikai1,
     .followUp = true,
     .answers = kCurrentAnswers,
     .answerPattern = Pattern::Zero2,
     .end = EasyREND,
     .hideAtThird = kA2Third,
     .unlocks = kCurrentsStage},
    {.screen = EasyA3,
     .computation = Computation::Currents,
     .pattern = Pattern::Hash2,
     .boxes = kTotalCurrentBox,
     .correct = EasyAHeiSeikai,
     .incorrect = EasyA3Fuseikai1,
     .followUp = true,
     .answers = kTotalCurrentAnswer,
     .answerPattern = Pattern::Zero2,
     .end = EasyREND},
    {.screen = EasyAHei,
     .computation = Computation::Currents,
     .pattern = Pattern::Hash2,
     .boxes = kSplitBoxes,
     .correct = EasyAHeiSeikai,
     .incorrect = EasyAHeiFuseikai1,
     .followUp = true,
     .hasVerdict = true,
     .answers = kSplitAnswers,
     .answerPattern = Pattern::Zero2,
     .end = EasyREND},
};

}  // namespace

std::span<const CheckSpec> checks() {
  return kChecks;
}

}  // namespace kairo::beginner
