<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ja">
<context>
    <name>Kairo</name>
    <message>
        <source>この回路コードの問題はありません。</source>
        <translation>No problem has this circuit code.</translation>
    </message>
    <message>
        <source>戻る</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>回路コード</source>
        <translation>Circuit code</translation>
    </message>
    <message>
        <source>解き方</source>
        <translation>Solution</translation>
    </message>
    <message>
        <source>描画画面</source>
        <translation>Circuit diagram</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>まずはココを見て下さい。</source>
        <translation>Start by reading this.</translation>
    </message>
    <message>
        <source>説明</source>
        <translation>Guide</translation>
    </message>
    <message>
        <source>問題コード入力：</source>
        <translation>Problem code:</translation>
    </message>
    <message>
        <source> 以前の問題を行う場合はコードを  入力して下さい。新しい問題を解く  場合は入力しなくていいです。</source>
        <translation>Enter a code to redo its problem, or leave it empty.</translation>
    </message>
    <message>
        <source>コード実行</source>
        <translation>Run code</translation>
    </message>
    <message>
        <source>終了</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>EASY</source>
        <translation>EASY</translation>
    </message>
    <message>
        <source>NORMAL</source>
        <translation>NORMAL</translation>
    </message>
    <message>
        <source>HARD</source>
        <translation>HARD</translation>
    </message>
    <message>
        <source>表紙</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>正解！！</source>
        <translation>Correct!!</translation>
    </message>
    <message>
        <source>1文字目（電源電圧）</source>
        <translation>Character 1 (source voltage)</translation>
    </message>
    <message>
        <source>%1文字目（素子%2の種類）</source>
        <translation>Character %1 (kind of element %2)</translation>
    </message>
    <message>
        <source>%1文字目（素子%2の値）</source>
        <translation>Character %1 (value of element %2)</translation>
    </message>
    <message>
        <source>1〜9 か a</source>
        <translation>1–9 or a</translation>
    </message>
    <message>
        <source>%1はコンデンサでは %2 です。</source>
        <translation>%1 must be %2 for a capacitor.</translation>
    </message>
    <message>
        <source>抵抗のある回路のコードは、素子3の種類（4文字目）まで入力して下さい。</source>
        <translation>For a circuit with a resistor, enter the code at least up to the kind of element 3 (character 4).</translation>
    </message>
    <message>
        <source>この回路には答えがありません（共振など）。</source>
        <translation>This circuit has no answer (resonance, for example).</translation>
    </message>
    <message>
        <source>%1は %2 です。</source>
        <translation>%1 must be %2.</translation>
    </message>
    <message>
        <source>、</source>
        <comment>between two formulas on one line</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>途中の値は有効数字 4 けたで示し（≒）、計算は丸めずに進めます。答えは小数第 3 位を四捨五入して、小数第 2 位まで示します。</source>
        <translation> In-between values are shown to 4 significant figures (≒); the calculation itself goes on unrounded. Answers are rounded at the third decimal place and shown to two decimal places.</translation>
    </message>
    <message>
        <source>%1（実部 %2、虚部 %3）</source>
        <translation>%1 (real part %2, imaginary part %3)</translation>
    </message>
    <message>
        <source>Z%1（コンデンサ C%1 = %2 uF）</source>
        <translation>Z%1 (capacitor C%1 = %2 uF)</translation>
    </message>
    <message>
        <source>Z%1（コイル L%1 = %2 mH）</source>
        <translation>Z%1 (inductor L%1 = %2 mH)</translation>
    </message>
    <message>
        <source>Z%1（抵抗 R%1 = %2 Ω）</source>
        <translation>Z%1 (resistor R%1 = %2 Ω)</translation>
    </message>
    <message>
        <source>力率=</source>
        <translation>pf=</translation>
    </message>
    <message>
        <source>ただし、ω＝１０^4 rad/s とする。</source>
        <translation> Take ω = 10^4 rad/s.</translation>
    </message>
    <message>
        <source>途中の計算は有効数字４桁以上で行い、答えは小数点以下２桁まで求めなさい。</source>
        <translation> Work to at least four significant figures along the way and give the answers to two decimal places.</translation>
    </message>
    <message>
        <source>電源電圧 E は実効値とする。合成インピーダンス Z の大きさ |Z| [Ω] と偏角 θ [°] を求めなさい。θ は電流が電圧より遅れる（誘導性の）とき正、進む（容量性の）とき負とする。</source>
        <translation>The source voltage E is an rms value. Find the magnitude |Z| [Ω] and the phase angle θ [°] of the combined impedance Z. θ is positive when the current lags the voltage (inductive) and negative when it leads (capacitive).</translation>
    </message>
    <message>
        <source>電源が回路に供給する有効電力 P [W]、無効電力 Q [var]、皮相電力 S [V·A] と力率 [%] を求めなさい。Q は遅れ（誘導性）を正、進み（容量性）を負とする。</source>
        <translation>Find the active power P [W], the reactive power Q [var] and the apparent power S [V·A] that the source supplies to the circuit, and the power factor [%]. Q is positive when lagging (inductive) and negative when leading (capacitive).</translation>
    </message>
    <message>
        <source>電源電圧 E の位相を 0° として、電流 I1、I2、I3 の大きさ [A] と位相角 [°] を求めなさい。位相角は −180° より大きく 180° 以下とし、E より進むとき正とする。</source>
        <translation>Taking the phase of the source voltage E as 0°, find the magnitudes [A] and phase angles [°] of the currents I1, I2 and I3. A phase angle is greater than −180° and at most 180°, positive when the current leads E.</translation>
    </message>
    <message>
        <source>問題１</source>
        <translation>Problem 1</translation>
    </message>
    <message>
        <source>合成インピーダンス Z を Z＝R＋jX の形で求めなさい。</source>
        <translation>Find the combined impedance Z in the form Z = R + jX.</translation>
    </message>
    <message>
        <source>問題２</source>
        <translation>Problem 2</translation>
    </message>
    <message>
        <source>電源から流れる電流の大きさ |I1| [A] と皮相電力 S [V·A] を求めなさい。</source>
        <translation>Find the magnitude |I1| [A] of the current from the source and the apparent power S [V·A].</translation>
    </message>
    <message>
        <source>問題３</source>
        <translation>Problem 3</translation>
    </message>
    <message>
        <source>電源電圧 E の位相を 0° として、電流 I1 を I1＝a＋jb の形で求めなさい。</source>
        <translation>Taking the phase of the source voltage E as 0°, find the current I1 in the form I1 = a + jb.</translation>
    </message>
    <message>
        <source>電源電圧 E の位相を 0° として、並列部分（素子2と素子3）にかかる電圧 V23 の大きさ [V] と位相角 [°] を求めなさい。</source>
        <translation>Taking the phase of the source voltage E as 0°, find the magnitude [V] and the phase angle [°] of the voltage V23 across the parallel part (elements 2 and 3).</translation>
    </message>
    <message>
        <source>start</source>
        <translation>start</translation>
    </message>
    <message>
        <source>左のスタートボタンをクリックして開始すると，回路図が表示されます。</source>
        <translation>Click the start button on the left to begin; the circuit diagram appears.</translation>
    </message>
    <message>
        <source>解答チェック</source>
        <translation>Check answer</translation>
    </message>
    <message>
        <source>解答チェックは三回行えます。三回目でも間違えますと答えを表示します。</source>
        <translation>You may check three times; a third miss shows the answer.</translation>
    </message>
    <message>
        <source>解答チェックは三回行えます。</source>
        <translation>You may check three times.</translation>
    </message>
    <message>
        <source>ミスした回数</source>
        <translation>Misses</translation>
    </message>
    <message>
        <source>%1の答え</source>
        <translation>Answer to %1</translation>
    </message>
    <message>
        <source>上級の回路コードは 8 文字です。</source>
        <translation>A circuit code of the advanced course has 8 characters.</translation>
    </message>
    <message>
        <source>上級の回路には、抵抗と、コンデンサかコイルが要ります。</source>
        <translation>An advanced circuit needs a resistor and a capacitor or an inductor.</translation>
    </message>
    <message>
        <source>上級合格です！</source>
        <translation>HARD passed</translation>
    </message>
    <message>
        <source>不正解！</source>
        <translation>Incorrect!</translation>
    </message>
    <message>
        <source>出直してきなさい！！</source>
        <translation>Study and come back!!</translation>
    </message>
    <message>
        <source>上級の公式は次のとおりです。</source>
        <translation>The formulas of the advanced course are:</translation>
    </message>
    <message>
        <source>|Z|＝√（R²＋X²）&#x3000;θ＝tan⁻¹（X／R）</source>
        <translation>|Z| = √(R² + X²)   θ = tan⁻¹(X/R)</translation>
    </message>
    <message>
        <source>P＝EI cos θ&#x3000;Q＝EI sin θ&#x3000;S＝EI</source>
        <translation>P = EI cos θ   Q = EI sin θ   S = EI</translation>
    </message>
    <message>
        <source>力率＝P／S&#x3000;I2＝I1・Z3／（Z2＋Z3）</source>
        <translation>pf = P/S   I2 = I1·Z3/(Z2 + Z3)</translation>
    </message>
    <message>
        <source>勉強し直して下さい。</source>
        <translation>Study them once more.</translation>
    </message>
    <message>
        <source>END</source>
        <translation>END</translation>
    </message>
    <message>
        <source>終了画面</source>
        <translation>Course over</translation>
    </message>
    <message>
        <source>問題１&#x3000;合成インピーダンス（極形式）</source>
        <translation>Problem 1   Combined impedance (polar form)</translation>
    </message>
    <message>
        <source>まず Z = R + jX を求め、その大きさ |Z| と偏角 θ に直します。θ はコイル寄り（誘導性）で正、コンデンサ寄り（容量性）で負になります。</source>
        <translation>First find Z = R + jX, then turn it into its magnitude |Z| and phase angle θ. θ is positive when the circuit is inductive and negative when it is capacitive.</translation>
    </message>
    <message>
        <source>並列部分 Z₂₃：分母の共役複素数を分子と分母に掛けます。</source>
        <translation>Parallel part Z₂₃: multiply the numerator and the denominator by the complex conjugate of the denominator.</translation>
    </message>
    <message>
        <source>回路全体 Z = R + jX</source>
        <translation>Whole circuit Z = R + jX</translation>
    </message>
    <message>
        <source>大きさ |Z|</source>
        <translation>Magnitude |Z|</translation>
    </message>
    <message>
        <source>偏角 θ（R &gt; 0 なので tan⁻¹ の値そのまま）</source>
        <translation>Phase angle θ (R &gt; 0, so the value of tan⁻¹ as it is)</translation>
    </message>
    <message>
        <source>問題２&#x3000;電力と力率</source>
        <translation>Problem 2   Power and power factor</translation>
    </message>
    <message>
        <source>E は実効値です。電源から流れる電流の大きさ |I₁| から皮相電力 S を求め、偏角 θ で有効電力 P と無効電力 Q に分けます。</source>
        <translation>E is an rms value. The magnitude |I₁| of the current from the source gives the apparent power S; the phase angle θ splits it into the active power P and the reactive power Q.</translation>
    </message>
    <message>
        <source>電流の大きさ |I₁|</source>
        <translation>Magnitude of the current |I₁|</translation>
    </message>
    <message>
        <source>皮相電力 S</source>
        <translation>Apparent power S</translation>
    </message>
    <message>
        <source>有効電力 P（抵抗で消費される電力）</source>
        <translation>Active power P (the power used up in the resistance)</translation>
    </message>
    <message>
        <source>無効電力 Q（遅れを正、進みを負）</source>
        <translation>Reactive power Q (lagging positive, leading negative)</translation>
    </message>
    <message>
        <source>力率</source>
        <comment>the power factor in formulas</comment>
        <translation>pf</translation>
    </message>
    <message>
        <source>X &lt; 0 なので電流は電圧より進み、進み力率です。</source>
        <translation>X &lt; 0, so the current leads the voltage: a leading power factor.</translation>
    </message>
    <message>
        <source>X &gt; 0 なので電流は電圧より遅れ、遅れ力率です。</source>
        <translation>X &gt; 0, so the current lags the voltage: a lagging power factor.</translation>
    </message>
    <message>
        <source>X = 0 なので電流と電圧は同相です。</source>
        <translation>X = 0, so the current and the voltage are in phase.</translation>
    </message>
    <message>
        <source>力率：P が S に占める割合。</source>
        <translation>Power factor: the fraction of S that is P. </translation>
    </message>
    <message>
        <source>問題３&#x3000;電流のフェーザ</source>
        <translation>Problem 3   Current phasors</translation>
    </message>
    <message>
        <source>E を基準（0°）にとり、複素数で電流を求めてから大きさと位相角に直します。位相角は −180° より大きく 180° 以下で、E より進むとき正です。各枝には、もう一方の枝のインピーダンスの割合で電流が分かれます。</source>
        <translation>Take E as the reference phasor (0°), find the currents as complex numbers, then turn them into magnitudes and phase angles. A phase angle is greater than −180° and at most 180°, positive when the current leads E. The current divides between the branches in proportion to the impedance of the other branch.</translation>
    </message>
    <message>
        <source>回路全体の電流 I₁</source>
        <translation>Total current I₁</translation>
    </message>
    <message>
        <source>枝 2 の電流 I₂</source>
        <translation>Branch current I₂</translation>
    </message>
    <message>
        <source>枝 3 の電流 I₃</source>
        <translation>Branch current I₃</translation>
    </message>
    <message>
        <source>大きさと位相角の求め方</source>
        <translation>Finding a magnitude and a phase angle</translation>
    </message>
    <message>
        <source>位相角 = tan⁻¹(b/a)</source>
        <translation>phase angle = tan⁻¹(b/a)</translation>
    </message>
    <message>
        <source>a &lt; 0 のときは tan⁻¹ の値に ±180° を加えて、−180° より大きく 180° 以下に収めます。</source>
        <translation>When a &lt; 0, add ±180° to the value of tan⁻¹ so that the angle is greater than −180° and at most 180°.</translation>
    </message>
    <message>
        <source>合成抵抗を小数点以下２桁までで求めなさい。得られた数値を下の空白に入力して下さい。</source>
        <translation>Find the combined resistance to two decimal places. Enter the value in the box below.</translation>
    </message>
    <message>
        <source>左の問題ボタンをクリックすると、回路図が表示されます。</source>
        <translation>Click the start button on the left; the circuit diagram appears.</translation>
    </message>
    <message>
        <source>合成抵抗を小数点以下２桁までで求めなさい。得られた数値は下の空白に入力して下さい。</source>
        <translation>Find the combined resistance to two decimal places and enter the value in the box below.</translation>
    </message>
    <message>
        <source>問題１の答え</source>
        <translation>Answer to Problem 1</translation>
    </message>
    <message>
        <source>問題１a</source>
        <translation>Problem 1a</translation>
    </message>
    <message>
        <source>問題１aの答え</source>
        <translation>Answer to Problem 1a</translation>
    </message>
    <message>
        <source>問題2</source>
        <translation>Problem 2</translation>
    </message>
    <message>
        <source>I1, I2, I3に流れるそれぞれの電流を小数点以下２桁までで答えなさい。得られた数値を下の空白に入力してください。</source>
        <translation>Find the currents I1, I2 and I3 to two decimal places. Enter the values in the boxes below.</translation>
    </message>
    <message>
        <source>I1, I2, I3に流れるそれぞれの電流を小数点以下２桁までで答えなさい。得られた数値は下の空白に入力して下さい。</source>
        <translation>Find the currents I1, I2 and I3 to two decimal places and enter the values in the boxes below.</translation>
    </message>
    <message>
        <source>問題２の答え</source>
        <translation>Answer to Problem 2</translation>
    </message>
    <message>
        <source>問題２ｂ</source>
        <translation>Problem 2b</translation>
    </message>
    <message>
        <source>合成抵抗Rに流れる電流を小数点以下２桁までで答えなさい。得られた数値は下の空白に入力して下さい。</source>
        <translation>Find the current through the combined resistance R to two decimal places and enter the value in the box below.</translation>
    </message>
    <message>
        <source>問題2a</source>
        <translation>Problem 2a</translation>
    </message>
    <message>
        <source>I1の電流の答えは正解です。&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;それでは、 並列接続では電流はどのように分配されるでしょうか？I2、I3に流れる電流を小数点以下２桁までで答えなさい。得られた数値は下の空白に入力して下さい。</source>
        <translation>Your answer for the current I1 is correct. Now, how does the current divide in a parallel connection? Find the branch currents I2 and I3 to two decimal places and enter the values in the boxes below.</translation>
    </message>
    <message>
        <source>問題２aの答え</source>
        <translation>Answer to Problem 2a</translation>
    </message>
    <message>
        <source>問題１a </source>
        <translation>Problem 1a</translation>
    </message>
    <message>
        <source>問題２b</source>
        <translation>Problem 2b</translation>
    </message>
    <message>
        <source>問題２a</source>
        <translation>Problem 2a</translation>
    </message>
    <message>
        <source>NEXT</source>
        <translation>NEXT</translation>
    </message>
    <message>
        <source>初級合格です！</source>
        <translation>EASY passed</translation>
    </message>
    <message>
        <source>二つの抵抗をR1,R2とすると、</source>
        <translation>with two resistors R1 and R2,</translation>
    </message>
    <message>
        <source>&#x3000;R=&#x3000;R１・R2/（R1+R2）</source>
        <translation>&#x3000;R = R1·R2/(R1 + R2)</translation>
    </message>
    <message>
        <source>合成抵抗</source>
        <translation>Combined resistance</translation>
    </message>
    <message>
        <source>合成抵抗は次のように求めます。R₂ と R₃ が並列につながり、R₁ はその並列部分と直列につながっています。</source>
        <translation>The combined resistance is found as follows. R₂ and R₃ are connected in parallel, and R₁ is in series with that parallel part.</translation>
    </message>
    <message>
        <source>並列部分の合成抵抗 R₂₃</source>
        <translation>Combined resistance R₂₃ of the parallel part</translation>
    </message>
    <message>
        <source>回路全体の合成抵抗 R</source>
        <translation>Combined resistance R of the whole circuit</translation>
    </message>
    <message>
        <source>電流</source>
        <translation>Currents</translation>
    </message>
    <message>
        <source>電流は次のように求めます。各枝には、もう一方の枝の割合で電流が分かれます。</source>
        <translation>The currents are found as follows. The current divides between the branches in proportion to the other branch.</translation>
    </message>
    <message>
        <source>枝 2 の電流 I₂：枝 2 には、もう一方の枝の抵抗 R₃ の割合で電流が流れます。</source>
        <translation>Branch current I₂: branch 2 carries the share given by the resistance R₃ of the other branch.</translation>
    </message>
    <message>
        <source>枝 3 の電流 I₃：枝 3 には、もう一方の枝の抵抗 R₂ の割合で電流が流れます。</source>
        <translation>Branch current I₃: branch 3 carries the share given by the resistance R₂ of the other branch.</translation>
    </message>
    <message>
        <source>確かめ：二つの枝の電流を足すと、回路全体の電流になります。</source>
        <translation>Check: the two branch currents add up to the total current.</translation>
    </message>
    <message>
        <source>%1 となり、I₁ と一致します。</source>
        <translation>%1, the same as I₁.</translation>
    </message>
    <message>
        <source>合成インピーダンスを小数点以下２桁までで求めなさい。得られた数値は下の空白に入力して下さい。&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;ただし、ω＝１０ ^4rad/sとする。</source>
        <translation>Find the combined impedance to two decimal places and enter the values in the boxes below. Take ω = 10^4 rad/s.</translation>
    </message>
    <message>
        <source>合成インピーダンスを小数点以下2桁までで求めなさい。得られた数値は下の空白に入力してください。&#x3000;ただし、ω=１０＾4rad/sとする。</source>
        <translation>Find the combined impedance to two decimal places and enter the values in the boxes below. Take ω = 10^4 rad/s.</translation>
    </message>
    <message>
        <source>合成インピーダンス小数点以下2桁までで求めなさい。得られた数値を下の空白に入力してください。ただし、ω=１０＾4rad/sとする。</source>
        <translation>Find the combined impedance to two decimal places. Enter the values in the boxes below. Take ω = 10^4 rad/s.</translation>
    </message>
    <message>
        <source>I1, I2, I3に流れるそれぞれの電流を小数点以下２桁までで答えなさい。得られた数値は下の空白に入力して下さい。ただし、ω=１０＾4rad/sとする。</source>
        <translation>Find the currents I1, I2 and I3 to two decimal places and enter the values in the boxes below. Take ω = 10^4 rad/s.</translation>
    </message>
    <message>
        <source>I1, I2, I3に流れるそれぞれの電流を小数点以下２桁までで答えなさい。得られた数値を下の空白に入力して下さい。&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;ただし、ω=１０＾4rad/sとする。</source>
        <translation>Find the currents I1, I2 and I3 to two decimal places. Enter the values in the boxes below. Take ω = 10^4 rad/s.</translation>
    </message>
    <message>
        <source>合成抵抗Zに流れる電流を小数点以下２桁までで答えなさい。得られた数値を下の空白に入力して下さい。ただし、ω=１０＾4rad/sとする。</source>
        <translation>Find the current through the combined impedance Z to two decimal places. Enter the values in the boxes below. Take ω = 10^4 rad/s.</translation>
    </message>
    <message>
        <source>I1の電流の答えは正解です。&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;それでは、 並列接続では電流はどのように分配されるでしょうか？I2、I3に流れる電流を小数点以下２桁までで答えなさい。得られた数値は下の空白に入力して下さい。&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;ただし、ω=１０＾4rad/sとする。</source>
        <translation>Your answer for the current I1 is correct. Now, how does the current divide in a parallel connection? Find the branch currents I2 and I3 to two decimal places and enter the values in the boxes below. Take ω = 10^4 rad/s.</translation>
    </message>
    <message>
        <source>問題1</source>
        <translation>Problem 1</translation>
    </message>
    <message>
        <source>問題1の答え</source>
        <translation>Answer to Problem 1</translation>
    </message>
    <message>
        <source>問題1a</source>
        <translation>Problem 1a</translation>
    </message>
    <message>
        <source>問題2b</source>
        <translation>Problem 2b</translation>
    </message>
    <message>
        <source>中級合格です！</source>
        <translation>NORMAL passed</translation>
    </message>
    <message>
        <source>二つのインピーダンスをZ1,Z2とすると、</source>
        <translation>with two impedances Z1 and Z2,</translation>
    </message>
    <message>
        <source>&#x3000;Z=&#x3000;Z１・Z2/（Z1+Z2）</source>
        <translation>&#x3000;Z = Z1·Z2/(Z1 + Z2)</translation>
    </message>
    <message>
        <source>合成インピーダンス</source>
        <translation>Combined impedance</translation>
    </message>
    <message>
        <source>合成インピーダンスは次のように求めます。Z = R + jX と書くと、抵抗は X = 0、コイルとコンデンサは R = 0 です。ω = 10⁴ rad/s です。</source>
        <translation>The combined impedance is found as follows. Writing Z = R + jX, a resistor has X = 0, and an inductor or a capacitor has R = 0. ω = 10⁴ rad/s.</translation>
    </message>
    <message>
        <source>並列部分の分子 Z₂Z₃</source>
        <translation>Numerator of the parallel part Z₂Z₃</translation>
    </message>
    <message>
        <source>並列部分の分母 Z₂ + Z₃</source>
        <translation>Denominator of the parallel part Z₂ + Z₃</translation>
    </message>
    <message>
        <source>並列部分の合成インピーダンス Z₂₃：分母の共役複素数を分子と分母に掛けて、分母を実数にします。</source>
        <translation>Combined impedance Z₂₃ of the parallel part: multiply the numerator and the denominator by the complex conjugate of the denominator to make the denominator real.</translation>
    </message>
    <message>
        <source>回路全体の合成インピーダンス Z</source>
        <translation>Combined impedance Z of the whole circuit</translation>
    </message>
    <message>
        <source>回路全体の電流 I₁：分母の共役複素数を分子と分母に掛けて、分母を実数にします。</source>
        <translation>Total current I₁: multiply the numerator and the denominator by the complex conjugate of the denominator to make the denominator real.</translation>
    </message>
    <message>
        <source>枝 2 の電流 I₂：枝 2 には、もう一方の枝のインピーダンス Z₃ の割合で電流が流れます。</source>
        <translation>Branch current I₂: branch 2 carries the share given by the impedance Z₃ of the other branch.</translation>
    </message>
    <message>
        <source>枝 3 の電流 I₃：枝 3 には、もう一方の枝のインピーダンス Z₂ の割合で電流が流れます。</source>
        <translation>Branch current I₃: branch 3 carries the share given by the impedance Z₂ of the other branch.</translation>
    </message>
    <message>
        <source>正解画面</source>
        <translation>Correct</translation>
    </message>
    <message>
        <source>不正解画面</source>
        <translation>Incorrect</translation>
    </message>
    <message>
        <source>選択画面</source>
        <translation>What next?</translation>
    </message>
    <message>
        <source>正解！</source>
        <translation>Correct!</translation>
    </message>
    <message>
        <source>もう一度計算しなおして下さい。</source>
        <translation>Work it out once more.</translation>
    </message>
    <message>
        <source>もう一度やり直す</source>
        <translation>Try again</translation>
    </message>
    <message>
        <source>どこで間違ったか調べる</source>
        <translation>Find where it went wrong</translation>
    </message>
    <message>
        <source>並列合成抵抗を求める公式は&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;</source>
        <translation>For elements in parallel:</translation>
    </message>
    <message>
        <source>となります。勉強し直して下さい。</source>
        <translation>Study it once more.</translation>
    </message>
    <message>
        <source>1〜3</source>
        <translation>1–3</translation>
    </message>
    <message>
        <source>このプログラムは記録を付けていません。</source>
        <translation>This program keeps no learning record.</translation>
    </message>
    <message>
        <source>--no-record で記録を止めています。</source>
        <translation>The record is turned off with --no-record.</translation>
    </message>
    <message>
        <source>合格</source>
        <translation>Passed</translation>
    </message>
    <message>
        <source>ヒントで合格</source>
        <translation>Passed with help</translation>
    </message>
    <message>
        <source>不合格</source>
        <translation>Failed</translation>
    </message>
    <message>
        <source>中断</source>
        <translation>Abandoned</translation>
    </message>
    <message>
        <source>まだ記録がありません</source>
        <translation>No problems recorded yet</translation>
    </message>
    <message>
        <source>%1（%2%）</source>
        <translation>%1 (%2%)</translation>
    </message>
    <message>
        <source>記録ファイル：%1（このコンピューターの外へは送られません）</source>
        <translation>Record file: %1 (it never leaves this computer)</translation>
    </message>
    <message>
        <source>記録は読むだけです：%1</source>
        <translation>The record is read-only: %1</translation>
    </message>
    <message>
        <source>記録は止まっています：%1</source>
        <translation>The record is off: %1</translation>
    </message>
    <message>
        <source>CSV に書き出す</source>
        <translation>Export as CSV</translation>
    </message>
    <message>
        <source>CSV ファイル (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>書き出しました：%1</source>
        <translation>Exported: %1</translation>
    </message>
    <message>
        <source>書き出せませんでした：%1</source>
        <translation>Could not export: %1</translation>
    </message>
    <message>
        <source>記録</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>コース</source>
        <translation>Course</translation>
    </message>
    <message>
        <source>解いた問題</source>
        <translation>Problems</translation>
    </message>
    <message>
        <source>一度で合格</source>
        <translation>Passed first time</translation>
    </message>
    <message>
        <source>問題</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>解答チェックの回数</source>
        <translation>Checks</translation>
    </message>
    <message>
        <source>まちがえた割合</source>
        <translation>Wrong</translation>
    </message>
    <message>
        <source>まだ分かりません（どの問題も解答チェックが 5 回に届いていません）。</source>
        <translation>Not known yet (no question has been checked 5 times).</translation>
    </message>
    <message>
        <source>日付</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>コード</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>結果</source>
        <translation>Outcome</translation>
    </message>
    <message>
        <source>ミス</source>
        <translation>Misses</translation>
    </message>
    <message>
        <source>もう一度</source>
        <translation>Try again</translation>
    </message>
    <message>
        <source>まちがえた問題（新しい順）</source>
        <translation>Missed problems (newest first)</translation>
    </message>
    <message>
        <source>コースごとの成績</source>
        <translation>Results by course</translation>
    </message>
    <message>
        <source>この 30 日に解いた問題</source>
        <translation>Problems in the last 30 days</translation>
    </message>
    <message>
        <source>苦手な問題</source>
        <translation>Weak spots</translation>
    </message>
    <message>
        <source>上級</source>
        <translation>Advanced</translation>
    </message>
    <message>
        <source>初級</source>
        <translation>Beginner</translation>
    </message>
    <message>
        <source>中級</source>
        <translation>Intermediate</translation>
    </message>
    <message>
        <source>記録に使うデータベースのドライバー（%1）がありません</source>
        <translation>The database driver the record needs (%1) is missing</translation>
    </message>
    <message>
        <source>記録の保存先に書き込めません：%1</source>
        <translation>Cannot write to the record&apos;s folder: %1</translation>
    </message>
    <message>
        <source>壊れた記録ファイルを脇へ移せません</source>
        <translation>Cannot set the damaged record file aside</translation>
    </message>
    <message>
        <source>記録ファイルは新しい版のプログラムのものです。読むだけにしています：%1</source>
        <translation>The record file belongs to a newer version of the program, so it is only read: %1</translation>
    </message>
    <message>
        <source>記録ファイルを開けません：%1（%2）</source>
        <translation>Cannot open the record file: %1 (%2)</translation>
    </message>
    <message>
        <source>記録を保存できませんでした：%1（%2）</source>
        <translation>Could not save the record: %1 (%2)</translation>
    </message>
    <message>
        <source>正弦波交流回路の問題では、電源の角周波数を %1 とします。</source>
        <extracomment>%1 is the formula of the angular frequency, ω = 10⁴ [rad/sec]</extracomment>
        <translation>In problems on sinusoidal AC circuits, the angular frequency of the source is taken as %1.</translation>
    </message>
    <message>
        <source>計算結果は、小数点以下２桁まで求めて下さい。</source>
        <translation>Give your results to two decimal places.</translation>
    </message>
    <message>
        <source>回路計算ドリル</source>
        <translation>Circuit Drill</translation>
    </message>
</context>
</TS>
