<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>Batch</name>
    <message>
        <source>使い方:
  sorn-editor [FILE.sorn]                  エディタを開く
  sorn-editor --export-midi OUT.mid IN.sorn
                                           楽譜全体を MIDI ファイルに書き出す
  sorn-editor --export-musicxml OUT.musicxml|OUT.mxl IN.sorn
                                           楽譜全体を MusicXML に書き出す (.mxl は圧縮形式)
  sorn-editor --export-lilypond OUT.ly IN.sorn
                                           楽譜全体を LilyPond のファイルに書き出す
  sorn-editor --engrave-pdf OUT.pdf [--score | --part N] IN.sorn
                                           LilyPond で浄書して PDF にする (既定は総譜。
                                           lilypond と fonts-noto-cjk のパッケージが要る)
  sorn-editor --export-wav OUT.wav [--part N] [--timbre NAME|PATH] IN.sorn
                                           1 パートを WAV ファイルに書き出す (既定の音色はヴァイオリン)
  sorn-editor --export-audio OUT.wav|OUT.flac|OUT.ogg [音源の指定] IN.sorn
                                           全パートの演奏を音声ファイルに書き出す (形式は拡張子で)
  sorn-editor --export-rehearsal DIR [--format wav|flac|ogg] [--balance DB] [--click]
              [音源の指定] IN.sorn       パート練習用の音源をフォルダ DIR に書き出す
                                           (1 パート 1 ファイル、ファイル名はパート名。
                                           そのパートを DB デシベル大きく、ほかを小さく
                                           (0〜24, 既定 6)。--click は拍ごとのクリック)
    音源の指定: [--soundfont PATH] [--sample-rate 44100|48000] [--bits 16|24]
                                           既定は試聴と同じ SoundFont, 44100 Hz, 16 ビット
                                           (--bits は WAV と FLAC だけ)
  sorn-editor --render-view OUT.png|OUT.svg [--part N] [--scroll P] [--width W]
              [--scale S] [--no-cursor] [--score] IN.sorn
                                           楽譜表示部分を画像に書き出す (S 倍, カーソルなし,
                                           --score は全パートをそろえた総譜)
  sorn-editor --render-page OUT.png|OUT.svg [ページの指定] [--page K] [--scale S] IN.sorn
                                           印刷するページを画像に書き出す
  sorn-editor --print-pdf OUT.pdf [ページの指定] IN.sorn
                                           全ページを PDF に印刷する
  sorn-editor --print-parts DIR [ページの指定] IN.sorn
                                           パートごとの PDF をフォルダ DIR に書き出す
                                           (ファイル名はパート名)
    ページの指定: [--part N | --score | --parts 1,3] [--layout original|reading]
                  [--paper A4|A5|B4|B5] [--margin MM] [--landscape] [--compact]
                                           既定は 1 パートを元の体裁で。--score は全パート、
                                           --parts は選んだパートを、読みやすい体裁の総譜に
  sorn-editor --export-positions OUT.json [--score] IN.sorn
                                           すべての位置の時刻 (ティック, ミリ秒) と表示上の
                                           x, 譜表の y を JSON で書き出す (--score は総譜で)
  sorn-editor --save-as OUT.sorn IN.sorn   楽譜を読み込み、現在の形式で保存する
                                           (IN は .musicxml, .xml, .mxl の MusicXML でもよい)
  sorn-editor --info IN.sorn               パート数・長さ・テンポ・音色番号を JSON 1 行で出力する
                                           (題名・作曲者・パート名は、あるときだけ加える)
  sorn-editor -o OUT IN.sorn               OUT の拡張子で処理を選ぶ (.sorn, .mid, .musicxml, .mxl,
                                           .ly, .wav=1 パート, .flac/.ogg=全パートの音声, .pdf,
                                           .png/.svg=ページ)
                                           (長い形 --export-to)
  sorn-editor -h | --help | --version
  --lang en|ja                             メッセージの言語 (既定はロケールで決まる。
                                           どのコマンドにも付けられる)
パート番号は 1 から数えます。-- より後ろの引数はすべてファイル名です。
ファイル名 - は、入力なら標準入力、出力なら標準出力です。出力を - にするときは、
形式を名前に持つオプション (--export-midi など) で指定してください。
パイプ (FIFO) や端末への出力は置き換えずにそのまま書き込みます。
終了コード: 0 成功, 1 失敗, 2 使い方の誤り。
</source>
        <translation>Usage:
  sorn-editor [FILE.sorn]                  open the editor
  sorn-editor --export-midi OUT.mid IN.sorn
                                           write the whole score as a MIDI file
  sorn-editor --export-musicxml OUT.musicxml|OUT.mxl IN.sorn
                                           write the whole score as MusicXML (.mxl: compressed)
  sorn-editor --export-lilypond OUT.ly IN.sorn
                                           write the whole score as a LilyPond file
  sorn-editor --engrave-pdf OUT.pdf [--score | --part N] IN.sorn
                                           engrave with LilyPond into a PDF (the full score
                                           unless told; needs the packages lilypond and
                                           fonts-noto-cjk)
  sorn-editor --export-wav OUT.wav [--part N] [--timbre NAME|PATH] IN.sorn
                                           write one part as a WAV file (the default timbre
                                           is the violin)
  sorn-editor --export-audio OUT.wav|OUT.flac|OUT.ogg [SOUND] IN.sorn
                                           write every part as heard to an audio file (the
                                           format by the extension)
  sorn-editor --export-rehearsal DIR [--format wav|flac|ogg] [--balance DB] [--click]
              [SOUND] IN.sorn              write rehearsal tracks into the folder DIR
                                           (a file per part, named after the part; that
                                           part DB decibels louder, the others softer
                                           (0 to 24, default 6); --click: a click each beat)
    SOUND: [--soundfont PATH] [--sample-rate 44100|48000] [--bits 16|24]
                                           by default the audition's SoundFont, 44100 Hz,
                                           16 bits (--bits for WAV and FLAC only)
  sorn-editor --render-view OUT.png|OUT.svg [--part N] [--scroll P] [--width W]
              [--scale S] [--no-cursor] [--score] IN.sorn
                                           write the score area as a picture (S times as
                                           large, no cursor; --score: the full score with
                                           every part aligned)
  sorn-editor --render-page OUT.png|OUT.svg [PAGES] [--page K] [--scale S] IN.sorn
                                           write a printed page as a picture
  sorn-editor --print-pdf OUT.pdf [PAGES] IN.sorn
                                           print every page into a PDF
  sorn-editor --print-parts DIR [PAGES] IN.sorn
                                           write a PDF per part into the folder DIR
                                           (named after the part)
    PAGES: [--part N | --score | --parts 1,3] [--layout original|reading]
           [--paper A4|A5|B4|B5] [--margin MM] [--landscape] [--compact]
                                           by default one part in its original layout;
                                           --score: every part, --parts: the parts chosen,
                                           as a full score in the reading layout
  sorn-editor --export-positions OUT.json [--score] IN.sorn
                                           write the time (ticks, milliseconds), the x on
                                           screen and the staff's y of every position as
                                           JSON (--score: in the full score)
  sorn-editor --save-as OUT.sorn IN.sorn   read a score and save it in the current format
                                           (IN may also be MusicXML: .musicxml, .xml, .mxl)
  sorn-editor --info IN.sorn               print parts, length, tempo and programs as one
                                           JSON line (title, composer and part names only
                                           when the score has them)
  sorn-editor -o OUT IN.sorn               choose the command by OUT's extension (.sorn,
                                           .mid, .musicxml, .mxl, .ly, .wav=one part,
                                           .flac/.ogg=every part as heard, .pdf,
                                           .png/.svg=a page)
                                           (long form --export-to)
  sorn-editor -h | --help | --version
  --lang en|ja                             the language of the messages (default: by the
                                           locale); with any command
Parts are counted from 1. Every argument after -- is a file name.
A file name - is standard input as the input, standard output as the output. To write
to standard output, give the format with the option that names it (--export-midi etc.).
Output to a pipe (FIFO) or a terminal is written as it is, never replaced.
Exit status: 0 success, 1 failure, 2 wrong usage.
</translation>
    </message>
    <message>
        <source>値を指定してください: %1</source>
        <translation>Give a value: %1</translation>
    </message>
    <message>
        <source>--lang は en か ja で指定してください: %1</source>
        <translation>--lang takes en or ja: %1</translation>
    </message>
    <message>
        <source>入力ファイルは一つだけ指定してください: %1</source>
        <translation>Give only one input file: %1</translation>
    </message>
    <message>
        <source>コマンドは一度に一つだけ指定してください: %1</source>
        <translation>Give only one command at a time: %1</translation>
    </message>
    <message>
        <source>出力ファイルを指定してください: %1</source>
        <translation>Give the output file: %1</translation>
    </message>
    <message>
        <source>%1 は %2〜%3 の整数で指定してください: %4</source>
        <translation>%1 takes a whole number from %2 to %3: %4</translation>
    </message>
    <message>
        <source>%1 か %2</source>
        <translation>%1 or %2</translation>
    </message>
    <message>
        <source>%1 は %2 で指定してください: %3</source>
        <translation>%1 takes %2: %3</translation>
    </message>
    <message>
        <source>不明なオプションです: %1</source>
        <translation>Unknown option: %1</translation>
    </message>
    <message>
        <source>使い方が正しくありません。sorn-editor --help をご覧ください。</source>
        <translation>Wrong usage. See sorn-editor --help.</translation>
    </message>
    <message>
        <source>この拡張子の出力には対応していません: %1</source>
        <translation>Output with this extension is not supported: %1</translation>
    </message>
    <message>
        <source>--export-audio の出力ファイルの名前は .wav, .flac, .ogg のどれかで終えてください: %1</source>
        <translation>The output file name of --export-audio must end in .wav, .flac or .ogg: %1</translation>
    </message>
    <message>
        <source>--export-rehearsal の出力はフォルダです。標準出力には書き出せません。</source>
        <translation>The output of --export-rehearsal is a folder; it cannot be written to standard output.</translation>
    </message>
    <message>
        <source>--format は wav, flac, ogg のどれかで指定してください: %1</source>
        <translation>--format takes wav, flac or ogg: %1</translation>
    </message>
    <message>
        <source>このコマンドでは使えないオプションです: %1</source>
        <translation>This option cannot be used with this command: %1</translation>
    </message>
    <message>
        <source>楽譜ファイルではありません: %1</source>
        <translation>Not a score file: %1</translation>
    </message>
    <message>
        <source>パート %1 はありません (1〜%2)</source>
        <translation>There is no part %1 (1 to %2)</translation>
    </message>
    <message>
        <source>%1ファイルを書き出せませんでした。
%2
%3</source>
        <translation>The %1 file could not be written.
%2
%3</translation>
    </message>
    <message>
        <source>--part と --score, --parts は一緒に指定できません。</source>
        <translation>--part cannot be given with --score or --parts.</translation>
    </message>
    <message>
        <source>--parts はパート番号 (1〜%1) をコンマで区切って指定してください: %2</source>
        <translation>--parts takes part numbers (1 to %1) separated by commas: %2</translation>
    </message>
    <message>
        <source>--layout は original か reading で指定してください: %1</source>
        <translation>--layout takes original or reading: %1</translation>
    </message>
    <message>
        <source>元の体裁で印刷できるのは 1 パートだけです。--layout reading を指定してください。</source>
        <translation>Only one part can be printed in the original layout. Give --layout reading.</translation>
    </message>
    <message>
        <source>用紙は A4, A5, B4, B5 のどれかを指定してください: %1</source>
        <translation>The paper is one of A4, A5, B4, B5: %1</translation>
    </message>
    <message>
        <source>--scale は 1〜8 の数で指定してください: %1</source>
        <translation>--scale takes a number from 1 to 8: %1</translation>
    </message>
    <message>
        <source>SORN楽譜エディタ %1</source>
        <translation>SORN Score Editor %1</translation>
    </message>
    <message>
        <source>--part と --score は一緒に指定できません。</source>
        <translation>--part cannot be given with --score.</translation>
    </message>
    <message>
        <source>位置の一覧を書き出せませんでした: %1
%2</source>
        <translation>The list of positions could not be written: %1
%2</translation>
    </message>
    <message>
        <source>音声</source>
        <translation>audio</translation>
    </message>
    <message>
        <source>パート練習用の音源を書き出せませんでした。
%1
%2</source>
        <translation>The rehearsal tracks could not be written.
%1
%2</translation>
    </message>
    <message>
        <source>画像を保存できませんでした: %1
%2</source>
        <translation>The picture could not be saved: %1
%2</translation>
    </message>
    <message>
        <source>画像が大きすぎます (幅・高さは 32767 ピクセルまで): %1</source>
        <translation>The picture is too large (width and height at most 32767 pixels): %1</translation>
    </message>
    <message>
        <source>画像を保存できませんでした: %1</source>
        <translation>The picture could not be saved: %1</translation>
    </message>
    <message>
        <source>ページ %1 はありません (1〜%2)</source>
        <translation>There is no page %1 (1 to %2)</translation>
    </message>
    <message>
        <source>フォルダを作れませんでした: %1
%2</source>
        <translation>The folder could not be made: %1
%2</translation>
    </message>
</context>
<context>
    <name>Core</name>
    <message>
        <source>LilyPond が見つかりません。LilyPond で浄書するには、Debian のパッケージ %1 を入れてください。
sudo apt install %1</source>
        <translation>LilyPond was not found. To engrave with LilyPond, install the Debian packages %1.
sudo apt install %1</translation>
    </message>
    <message>
        <source>LilyPond で浄書できませんでした。LilyPond のメッセージ:
%1LilyPond に渡したファイルは次の場所に残してあります。
%2</source>
        <translation>LilyPond could not engrave the score. LilyPond said:
%1The file given to LilyPond has been kept here:
%2</translation>
    </message>
    <message>
        <source>テンポが0以下のためLilyPondファイルを作れません。曲の情報でテンポを1以上にしてください。</source>
        <translation>The tempo is 0 or less, so no LilyPond file can be made. Set the tempo to 1 or more in the score properties.</translation>
    </message>
    <message>
        <source>%1 はありません。</source>
        <translation>%1 does not exist.</translation>
    </message>
    <message>
        <source>書き出すパートがありません。</source>
        <translation>There are no parts to export.</translation>
    </message>
    <message>
        <source>%1 の楽器番号 %2 はMIDIの音色番号(0～127)ではありません。</source>
        <translation>The instrument number %2 of %1 is not a MIDI program number (0–127).</translation>
    </message>
    <message>
        <source>%1 の位置 %2 の音符の高さ(%3)がMIDIで表せる範囲(0～127)を外れています。</source>
        <translation>The pitch (%3) of the note at position %2 of %1 is outside the range MIDI can represent (0–127).</translation>
    </message>
    <message>
        <source>%1 の位置 %2 の音符の高さはMusicXMLで表せる範囲(オクターブ0～9)を外れています。</source>
        <translation>The pitch of the note at position %2 of %1 is outside the range MusicXML can represent (octaves 0–9).</translation>
    </message>
    <message>
        <source>テンポが0以下のためMusicXMLファイルを作れません。曲の情報でテンポを1以上にしてください。</source>
        <translation>The tempo is 0 or less, so no MusicXML file can be made. Set the tempo to 1 or more in the score properties.</translation>
    </message>
    <message>
        <source>MusicXMLファイルが、読み込める大きさの上限の 2 GB を超えるため作れません。</source>
        <translation>The MusicXML file cannot be made: it would exceed 2 GB, the largest size that can be read.</translation>
    </message>
    <message>
        <source>和音 %1 か所は最上音だけを読み込みました。</source>
        <translation>Chords read as their top note only: %1.</translation>
    </message>
    <message>
        <source>ほかの声部の音符・休符 %1 個は読み込みませんでした。</source>
        <translation>Notes and rests of other voices not read: %1.</translation>
    </message>
    <message>
        <source>2 段目以降の譜表の音符・休符 %1 個は読み込みませんでした。</source>
        <translation>Notes and rests on the second and later staves not read: %1.</translation>
    </message>
    <message>
        <source>音の高さのない打楽器の音符 %1 個は読み込みませんでした。</source>
        <translation>Unpitched percussion notes not read: %1.</translation>
    </message>
    <message>
        <source>音符のない所 %1 か所は休符で埋めました。</source>
        <translation>Gaps without notes filled with rests: %1.</translation>
    </message>
    <message>
        <source>連符の音符・休符 %1 個は、連符全体の長さが合うように連符でない音価で読み込みました。</source>
        <translation>Notes and rests in tuplets read as plain note values that keep the whole tuplet's length: %1.</translation>
    </message>
    <message>
        <source>音価と長さが食い違う音符・休符 %1 個は長さに合わせた音価で読み込みました。</source>
        <translation>Notes and rests whose note value disagrees with their length, read with the value of their length: %1.</translation>
    </message>
    <message>
        <source>1 つの記号で書けない長さの音符・休符 %1 個はタイでつないだ音符や複数の休符にしました。</source>
        <translation>Notes and rests no single symbol can show, made into tied notes or several rests: %1.</translation>
    </message>
    <message>
        <source>この楽譜にない長さの音符・休符 %1 個は近い長さで読み込みました。</source>
        <translation>Notes and rests of lengths this score cannot hold, read with the nearest length: %1.</translation>
    </message>
    <message>
        <source>装飾音符 %1 個は読み込みませんでした。</source>
        <translation>Grace notes not read: %1.</translation>
    </message>
    <message>
        <source>歌詞 %1 個は読み込みませんでした。</source>
        <translation>Lyrics not read: %1.</translation>
    </message>
    <message>
        <source>6 番以降の歌詞 %1 個は読み込みませんでした。</source>
        <translation>Lyrics of verse 6 and later not read: %1.</translation>
    </message>
    <message>
        <source>長すぎる題名・パート名・歌詞 %1 個は、入る長さまで読み込みました。</source>
        <translation>Titles, part names and lyrics too long, read up to the length that fits: %1.</translation>
    </message>
    <message>
        <source>スラー %1 個は読み込みませんでした。</source>
        <translation>Slurs not read: %1.</translation>
    </message>
    <message>
        <source>アーティキュレーション %1 個は読み込みませんでした。</source>
        <translation>Articulations not read: %1.</translation>
    </message>
    <message>
        <source>その他の音符の記号 %1 個は読み込みませんでした。</source>
        <translation>Other note symbols not read: %1.</translation>
    </message>
    <message>
        <source>三重シャープ・三重フラットなどの音符 %1 個は同じ高さの別の音名で読み込みました。</source>
        <translation>Notes with triple sharps, triple flats and the like, read as another note name of the same pitch: %1.</translation>
    </message>
    <message>
        <source>微分音の音符 %1 個は近い半音の高さで読み込みました。</source>
        <translation>Microtonal notes read at the nearest semitone: %1.</translation>
    </message>
    <message>
        <source>文字 %1 個は読み込みませんでした。</source>
        <translation>Texts not read: %1.</translation>
    </message>
    <message>
        <source>クレッシェンド・デクレッシェンドの記号 %1 個は読み込みませんでした。</source>
        <translation>Crescendo and decrescendo marks not read: %1.</translation>
    </message>
    <message>
        <source>コードネーム %1 個は読み込みませんでした。</source>
        <translation>Chord symbols not read: %1.</translation>
    </message>
    <message>
        <source>sf・fp などの強弱記号 %1 個は読み込みませんでした。</source>
        <translation>Dynamics such as sf and fp not read: %1.</translation>
    </message>
    <message>
        <source>ペダル記号 %1 個は読み込みませんでした。</source>
        <translation>Pedal marks not read: %1.</translation>
    </message>
    <message>
        <source>8va などのオクターブ記号 %1 個は読み込まず、音符を実際の高さで書きました。</source>
        <translation>Octave signs such as 8va not read, their notes written at sounding pitch: %1.</translation>
    </message>
    <message>
        <source>その他の指示 %1 個は読み込みませんでした。</source>
        <translation>Other directions not read: %1.</translation>
    </message>
    <message>
        <source>移調楽器のパート %1 個は実音の高さで読み込みました。</source>
        <translation>Parts for transposing instruments read at concert pitch: %1.</translation>
    </message>
    <message>
        <source>1 番・2 番かっこや回数の指定のある繰り返し %1 か所は、演奏する順に書き出しました。</source>
        <translation>Repeats with endings or a number of times, written out in playing order: %1.</translation>
    </message>
    <message>
        <source>途中で変わる速さの指定 %1 個は読み込まず、最初の速さで通しました。</source>
        <translation>Tempo changes not read, the first tempo kept throughout: %1.</translation>
    </message>
    <message>
        <source>この楽譜にない速さの指定 %1 個は近い速さにしました。</source>
        <translation>Tempo marks this score cannot hold, set to the nearest tempo: %1.</translation>
    </message>
    <message>
        <source>譜表に書けない高さの音符 %1 個は読み込みませんでした。</source>
        <translation>Notes too high or too low for the staff not read: %1.</translation>
    </message>
    <message>
        <source>この楽譜にない音部記号・調号・拍子記号 %1 個は読み込みませんでした。</source>
        <translation>Clefs, key signatures and time signatures this score cannot hold, not read: %1.</translation>
    </message>
    <message>
        <source>257 番目以降のパート %1 個は読み込みませんでした。</source>
        <translation>Parts after the 256th not read: %1.</translation>
    </message>
    <message>
        <source>32767 より後ろの位置の記号 %1 個は読み込みませんでした。</source>
        <translation>Symbols after position 32767 not read: %1.</translation>
    </message>
    <message>
        <source>この楽譜に書けないものは、読み込むときに次のとおり省きました。%1</source>
        <translation>What this score cannot hold was left out while reading, as follows.%1</translation>
    </message>
    <message>
        <source>MusicXML ファイルが壊れています (%1 バイト目: %2)。</source>
        <translation>The MusicXML file is damaged (byte %1: %2).</translation>
    </message>
    <message>
        <source>score-timewise 形式の MusicXML には対応していません。score-partwise 形式で保存したものを開いてください。</source>
        <translation>MusicXML in the score-timewise form is not supported. Open a copy saved in the score-partwise form.</translation>
    </message>
    <message>
        <source>MusicXML ファイルではありません。</source>
        <translation>This is not a MusicXML file.</translation>
    </message>
    <message>
        <source>MusicXML ファイルにパートがありません。</source>
        <translation>The MusicXML file has no parts.</translation>
    </message>
    <message>
        <source>UTF-16 の MusicXML ファイルの要素が上限の 300 万個を超えるため読み込めません。</source>
        <translation>The UTF-16 MusicXML file cannot be read: it has more than 3 million elements, the limit.</translation>
    </message>
    <message>
        <source>読み込めません</source>
        <translation>cannot be read</translation>
    </message>
    <message>
        <source>UTF-16 の MusicXML ファイルの大きさが上限の 48 MB を超えるため読み込めません。</source>
        <translation>The UTF-16 MusicXML file cannot be read: it is larger than 48 MB, the limit.</translation>
    </message>
    <message>
        <source>MusicXML ファイルの大きさが上限の 2 GB を超えるため読み込めません。</source>
        <translation>The MusicXML file cannot be read: it is larger than 2 GB, the limit.</translation>
    </message>
    <message>
        <source>MusicXML ファイルのパートなどの要素 1 つが上限の 96 MB を超えるため読み込めません。</source>
        <translation>The MusicXML file cannot be read: one part or other element is larger than 96 MB, the limit.</translation>
    </message>
    <message>
        <source>MusicXML ファイルのパート 1 つに含まれる要素が上限の 300 万個を超えるため読み込めません。</source>
        <translation>The MusicXML file cannot be read: one part has more than 3 million elements, the limit.</translation>
    </message>
    <message>
        <source>MusicXML ファイルのパートなどの要素の数が上限の 65536 個を超えるため読み込めません。</source>
        <translation>The MusicXML file cannot be read: it has more than 65536 parts and other elements, the limit.</translation>
    </message>
    <message>
        <source>対応しない終了タグ</source>
        <translation>unmatched end tag</translation>
    </message>
    <message>
        <source>途中で終わっています</source>
        <translation>the file ends too early</translation>
    </message>
    <message>
        <source>圧縮された MusicXML ファイルの大きさが上限の 512 MB を超えるため読み込めません。</source>
        <translation>The compressed MusicXML file cannot be read: it is larger than 512 MB, the limit.</translation>
    </message>
    <message>
        <source>圧縮された MusicXML ファイルが壊れているか、楽譜が入っていません。</source>
        <translation>The compressed MusicXML file is damaged or holds no score.</translation>
    </message>
    <message>
        <source>メモリーが足りないため MusicXML ファイルを読み込めません。</source>
        <translation>There is not enough memory to read the MusicXML file.</translation>
    </message>
    <message>
        <source>ディスクの空き容量が足りません。</source>
        <translation>There is not enough free disk space.</translation>
    </message>
    <message>
        <source>ファイルが大きすぎて書き込めません。</source>
        <translation>The file is too large to be written.</translation>
    </message>
    <message>
        <source>この場所に書き込む権限がありません。</source>
        <translation>You do not have permission to write here.</translation>
    </message>
    <message>
        <source>このファイルを読む権限がありません。</source>
        <translation>You do not have permission to read this file.</translation>
    </message>
    <message>
        <source>読み取り専用の場所には保存できません。</source>
        <translation>Nothing can be saved in a read-only place.</translation>
    </message>
    <message>
        <source>保存先のフォルダが見つかりません。</source>
        <translation>The folder to save in was not found.</translation>
    </message>
    <message>
        <source>ファイルが見つかりません。</source>
        <translation>The file was not found.</translation>
    </message>
    <message>
        <source>フォルダが指定されました。</source>
        <translation>A folder was given.</translation>
    </message>
    <message>
        <source>ファイル名が長すぎます。</source>
        <translation>The file name is too long.</translation>
    </message>
    <message>
        <source>データが届きませんでした。書き込む側が始まっているか確かめてください。</source>
        <translation>No data arrived. Check that the program writing it has started.</translation>
    </message>
    <message>
        <source>ディスクの読み書きでエラーが起きました。</source>
        <translation>An error occurred while reading or writing the disk.</translation>
    </message>
    <message>
        <source>ファイルを書き込めません(%1)。</source>
        <translation>The file cannot be written (%1).</translation>
    </message>
    <message>
        <source>ファイルを読み込めません(%1)。</source>
        <translation>The file cannot be read (%1).</translation>
    </message>
    <message>
        <source>このファイルを開くことはできません。
最新バージョンのSORN楽譜エディタをご使用ください。</source>
        <translation>This file cannot be opened.
Please use the latest version of SORN Score Editor.</translation>
    </message>
    <message>
        <source>ファイル形式が新しいため、一部表示できない可能性があります</source>
        <translation>The file format is newer, so some parts may not be shown</translation>
    </message>
    <message>
        <source>このファイルは壊れているため開くことができません。
開いている楽譜はそのまま残ります。</source>
        <translation>This file is damaged and cannot be opened.
The open score stays as it is.</translation>
    </message>
    <message>
        <source>この楽譜の曲名・パート名・歌詞の一部を読み込めませんでした。
音符はすべて開きました。読み込めた文字は保存すると残ります。</source>
        <translation>Some of the title, part names and lyrics of this score could not be read.
All notes were opened. The text that was read is kept when you save.</translation>
    </message>
    <message>
        <source>このファイルは壊れているため開くことができません。</source>
        <translation>This file is damaged and cannot be opened.</translation>
    </message>
    <message>
        <source>ファイルを開くことができませんでした。
%1
%2</source>
        <translation>The file could not be opened.
%1
%2</translation>
    </message>
    <message>
        <source>楽譜を保存できませんでした。元のファイルは変更されていません。
%1
%2</source>
        <translation>The score could not be saved. The original file is unchanged.
%1
%2</translation>
    </message>
    <message>
        <source>パート %1</source>
        <translation>Part %1</translation>
    </message>
    <message>
        <source>中止しました。</source>
        <translation>Cancelled.</translation>
    </message>
    <message>
        <source>テンポが0以下のためMIDIファイルを作れません。曲の情報でテンポを1以上にしてください。</source>
        <translation>The tempo is 0 or less, so no MIDI file can be made. Set the tempo to 1 or more in the score properties.</translation>
    </message>
    <message>
        <source>テンポ %1 はMIDIファイルで表せるより遅いため書き出せません。テンポを4以上にしてください。</source>
        <translation>Tempo %1 is slower than a MIDI file can represent, so it cannot be exported. Set the tempo to 4 or more.</translation>
    </message>
    <message>
        <source>%1 の位置 %2 までの音または休みが長すぎてMIDIファイルに書けません。</source>
        <translation>The notes or rests up to position %2 of %1 are too long to be written to a MIDI file.</translation>
    </message>
    <message>
        <source>%1 の位置 %2 の音符の高さ(%3)が音にできる範囲(0～127)を外れています。</source>
        <translation>The pitch (%3) of the note at position %2 of %1 is outside the range that can be sounded (0–127).</translation>
    </message>
    <message>
        <source>%1 の位置 %2 までの音が長すぎてWAVファイルに書けません(WAVファイルは4GBまでです)。</source>
        <translation>The sound up to position %2 of %1 is too long to be written to a WAV file (a WAV file holds at most 4 GB).</translation>
    </message>
    <message>
        <source>テンポが0以下のためWAVファイルを作れません。曲の情報でテンポを1以上にしてください。</source>
        <translation>The tempo is 0 or less, so no WAV file can be made. Set the tempo to 1 or more in the score properties.</translation>
    </message>
    <message>
        <source>音色ファイル「%1」</source>
        <translation>Timbre file “%1”</translation>
    </message>
    <message>
        <source>%1が見つかりません。</source>
        <translation>%1 was not found.</translation>
    </message>
    <message>
        <source>%1を読む権限がありません。</source>
        <translation>You do not have permission to read %1.</translation>
    </message>
    <message>
        <source>%1はフォルダです。</source>
        <translation>%1 is a folder.</translation>
    </message>
    <message>
        <source>%1を読めません(%2)。</source>
        <translation>%1 cannot be read (%2).</translation>
    </message>
    <message>
        <source>%1は大きすぎます。音色ファイルは1 MB(%2バイト)までです。</source>
        <translation>%1 is too large. A timbre file holds at most 1 MB (%2 bytes).</translation>
    </message>
    <message>
        <source>%1はテキストファイルではありません。</source>
        <translation>%1 is not a text file.</translation>
    </message>
    <message>
        <source>%1にsinの行がありません。「sin 倍音の番号 強さ」の行を1行以上書いてください。</source>
        <translation>%1 has no sin lines. Write at least one line “sin harmonic-number strength”.</translation>
    </message>
    <message>
        <source>%1はsinの行が多すぎます。sinの行は%2行までです。</source>
        <translation>%1 has too many sin lines. At most %2 sin lines are allowed.</translation>
    </message>
    <message>
        <source>%1の%2行目「%3」が読めません。sinの行は「sin 倍音の番号 強さ」の形で、単語の間を空白1つで区切ってください。</source>
        <translation>Line %2 of %1, “%3”, cannot be read. Write sin lines as “sin harmonic-number strength”, with one space between words.</translation>
    </message>
    <message>
        <source>%1の%2行目までの波を足すと16ビットの範囲を超えます。強さの合計を1以下にしてください。</source>
        <translation>The waves of %1 up to line %2 add up to more than 16 bits can hold. Keep the sum of the strengths at 1 or less.</translation>
    </message>
    <message>
        <source>「%1」は音色ファイル(.hki または .hki2)ではありません。</source>
        <translation>“%1” is not a timbre file (.hki or .hki2).</translation>
    </message>
    <message>
        <source>%1%2</source>
        <translation>Error %1: %2</translation>
    </message>
    <message>
        <source>SoundFont が見つかりません: %1</source>
        <translation>The SoundFont was not found: %1</translation>
    </message>
    <message>
        <source>音声を作る音源 (General MIDI の SoundFont) が見つかりません。Debian のパッケージ fluid-soundfont-gm か timgm6mb-soundfont を入れるか、SoundFont (.sf2) を指定してください。</source>
        <translation>No sound source (a General MIDI SoundFont) was found to make the audio. Install the Debian package fluid-soundfont-gm or timgm6mb-soundfont, or give a SoundFont (.sf2).</translation>
    </message>
    <message>
        <source>FLAC と Ogg Vorbis を書くライブラリ libsndfile を読み込めませんでした (Debian のパッケージ libsndfile1)。</source>
        <translation>The library libsndfile that writes FLAC and Ogg Vorbis could not be loaded (Debian package libsndfile1).</translation>
    </message>
    <message>
        <source>音声ファイルを作れませんでした。%1</source>
        <translation>The audio file could not be made. %1</translation>
    </message>
    <message>
        <source>音声を書き込めませんでした。%1</source>
        <translation>The audio could not be written. %1</translation>
    </message>
    <message>
        <source>音声を作る FluidSynth を読み込めませんでした (Debian のパッケージ libfluidsynth3)。
%1</source>
        <translation>FluidSynth, which makes the audio, could not be loaded (Debian package libfluidsynth3).
%1</translation>
    </message>
    <message>
        <source>作業用のフォルダを作れませんでした。</source>
        <translation>The working folder could not be made.</translation>
    </message>
    <message>
        <source>FluidSynth を始められませんでした。</source>
        <translation>FluidSynth could not be started.</translation>
    </message>
    <message>
        <source>SoundFont を読み込めませんでした。
%1</source>
        <translation>The SoundFont could not be loaded.
%1</translation>
    </message>
    <message>
        <source>MIDI の演奏を始められませんでした。</source>
        <translation>The MIDI playback could not be started.</translation>
    </message>
    <message>
        <source>音声は .wav, .flac, .ogg のどれかで保存してください: %1</source>
        <translation>Save audio as .wav, .flac or .ogg: %1</translation>
    </message>
    <message>
        <source>音声ファイルを書き出せませんでした。
%1
%2</source>
        <translation>The audio file could not be written.
%1
%2</translation>
    </message>
    <message>
        <source>フォルダを作れませんでした: %1
%2</source>
        <translation>The folder could not be made: %1
%2</translation>
    </message>
</context>
<context>
    <name>Instruments</name>
    <message>
        <source>グランドピアノ</source>
        <translation>Acoustic Grand Piano</translation>
    </message>
    <message>
        <source>ブライトピアノ</source>
        <translation>Bright Acoustic Piano</translation>
    </message>
    <message>
        <source>エレクトリックグランドピアノ</source>
        <translation>Electric Grand Piano</translation>
    </message>
    <message>
        <source>ホンキートンクピアノ</source>
        <translation>Honky-tonk Piano</translation>
    </message>
    <message>
        <source>エレクトリックピアノ1</source>
        <translation>Electric Piano 1</translation>
    </message>
    <message>
        <source>エレクトリックピアノ2</source>
        <translation>Electric Piano 2</translation>
    </message>
    <message>
        <source>ハープシコード</source>
        <translation>Harpsichord</translation>
    </message>
    <message>
        <source>クラビネット</source>
        <translation>Clavi</translation>
    </message>
    <message>
        <source>チェレスタ</source>
        <translation>Celesta</translation>
    </message>
    <message>
        <source>グロッケンシュピール</source>
        <translation>Glockenspiel</translation>
    </message>
    <message>
        <source>オルゴール</source>
        <translation>Music Box</translation>
    </message>
    <message>
        <source>ヴィブラフォン</source>
        <translation>Vibraphone</translation>
    </message>
    <message>
        <source>マリンバ</source>
        <translation>Marimba</translation>
    </message>
    <message>
        <source>シロフォン</source>
        <translation>Xylophone</translation>
    </message>
    <message>
        <source>チューブラーベル</source>
        <translation>Tubular Bells</translation>
    </message>
    <message>
        <source>ダルシマー</source>
        <translation>Dulcimer</translation>
    </message>
    <message>
        <source>ドローバーオルガン</source>
        <translation>Drawbar Organ</translation>
    </message>
    <message>
        <source>パーカッシブオルガン</source>
        <translation>Percussive Organ</translation>
    </message>
    <message>
        <source>ロックオルガン</source>
        <translation>Rock Organ</translation>
    </message>
    <message>
        <source>チャーチオルガン</source>
        <translation>Church Organ</translation>
    </message>
    <message>
        <source>リードオルガン</source>
        <translation>Reed Organ</translation>
    </message>
    <message>
        <source>アコーディオン</source>
        <translation>Accordion</translation>
    </message>
    <message>
        <source>ハーモニカ</source>
        <translation>Harmonica</translation>
    </message>
    <message>
        <source>タンゴアコーディオン</source>
        <translation>Tango Accordion</translation>
    </message>
    <message>
        <source>ナイロン弦ギター</source>
        <translation>Acoustic Guitar (nylon)</translation>
    </message>
    <message>
        <source>スチール弦ギター</source>
        <translation>Acoustic Guitar (steel)</translation>
    </message>
    <message>
        <source>ジャズギター</source>
        <translation>Electric Guitar (jazz)</translation>
    </message>
    <message>
        <source>クリーンギター</source>
        <translation>Electric Guitar (clean)</translation>
    </message>
    <message>
        <source>ミュートギター</source>
        <translation>Electric Guitar (muted)</translation>
    </message>
    <message>
        <source>オーバードライブギター</source>
        <translation>Overdriven Guitar</translation>
    </message>
    <message>
        <source>ディストーションギター</source>
        <translation>Distortion Guitar</translation>
    </message>
    <message>
        <source>ギターハーモニクス</source>
        <translation>Guitar harmonics</translation>
    </message>
    <message>
        <source>アコースティックベース</source>
        <translation>Acoustic Bass</translation>
    </message>
    <message>
        <source>フィンガーベース</source>
        <translation>Electric Bass (finger)</translation>
    </message>
    <message>
        <source>ピックベース</source>
        <translation>Electric Bass (pick)</translation>
    </message>
    <message>
        <source>フレットレスベース</source>
        <translation>Fretless Bass</translation>
    </message>
    <message>
        <source>スラップベース1</source>
        <translation>Slap Bass 1</translation>
    </message>
    <message>
        <source>スラップベース2</source>
        <translation>Slap Bass 2</translation>
    </message>
    <message>
        <source>シンセベース 1</source>
        <translation>Synth Bass 1</translation>
    </message>
    <message>
        <source>シンセベース 2</source>
        <translation>Synth Bass 2</translation>
    </message>
    <message>
        <source>ヴァイオリン</source>
        <translation>Violin</translation>
    </message>
    <message>
        <source>ヴィオラ</source>
        <translation>Viola</translation>
    </message>
    <message>
        <source>チェロ</source>
        <translation>Cello</translation>
    </message>
    <message>
        <source>コントラバス</source>
        <translation>Contrabass</translation>
    </message>
    <message>
        <source>トレモロ・ストリングス</source>
        <translation>Tremolo Strings</translation>
    </message>
    <message>
        <source>ピチカート・ストリングス</source>
        <translation>Pizzicato Strings</translation>
    </message>
    <message>
        <source>ハープ</source>
        <translation>Orchestral Harp</translation>
    </message>
    <message>
        <source>ティンパニ</source>
        <translation>Timpani</translation>
    </message>
    <message>
        <source>ストリングス 1</source>
        <translation>String Ensemble 1</translation>
    </message>
    <message>
        <source>ストリングス 2</source>
        <translation>String Ensemble 2</translation>
    </message>
    <message>
        <source>シンセストリングス 1</source>
        <translation>SynthStrings 1</translation>
    </message>
    <message>
        <source>シンセストリングス 2</source>
        <translation>SynthStrings 2</translation>
    </message>
    <message>
        <source>コーラスアー</source>
        <translation>Choir Aahs</translation>
    </message>
    <message>
        <source>ボイスウー</source>
        <translation>Voice Oohs</translation>
    </message>
    <message>
        <source>シンセボイス</source>
        <translation>Synth Voice</translation>
    </message>
    <message>
        <source>オーケストラヒット</source>
        <translation>Orchestra Hit</translation>
    </message>
    <message>
        <source>トランペット</source>
        <translation>Trumpet</translation>
    </message>
    <message>
        <source>トロンボーン</source>
        <translation>Trombone</translation>
    </message>
    <message>
        <source>チューバ</source>
        <translation>Tuba</translation>
    </message>
    <message>
        <source>ミュートトランペット</source>
        <translation>Muted Trumpet</translation>
    </message>
    <message>
        <source>フレンチホルン</source>
        <translation>French Horn</translation>
    </message>
    <message>
        <source>ブラスセクション</source>
        <translation>Brass Section</translation>
    </message>
    <message>
        <source>シンセブラス1</source>
        <translation>SynthBrass 1</translation>
    </message>
    <message>
        <source>シンセブラス2</source>
        <translation>SynthBrass 2</translation>
    </message>
    <message>
        <source>ソプラノサックス</source>
        <translation>Soprano Sax</translation>
    </message>
    <message>
        <source>アルトサックス</source>
        <translation>Alto Sax</translation>
    </message>
    <message>
        <source>テナーサックス</source>
        <translation>Tenor Sax</translation>
    </message>
    <message>
        <source>バリトンサックス</source>
        <translation>Baritone Sax</translation>
    </message>
    <message>
        <source>オーボエ</source>
        <translation>Oboe</translation>
    </message>
    <message>
        <source>イングリッシュホルン</source>
        <translation>English Horn</translation>
    </message>
    <message>
        <source>バスーン</source>
        <translation>Bassoon</translation>
    </message>
    <message>
        <source>クラリネット</source>
        <translation>Clarinet</translation>
    </message>
    <message>
        <source>ピッコロ</source>
        <translation>Piccolo</translation>
    </message>
    <message>
        <source>フルート</source>
        <translation>Flute</translation>
    </message>
    <message>
        <source>リコーダー</source>
        <translation>Recorder</translation>
    </message>
    <message>
        <source>パンフルート</source>
        <translation>Pan Flute</translation>
    </message>
    <message>
        <source>ボトルブロー</source>
        <translation>Blown Bottle</translation>
    </message>
    <message>
        <source>尺八</source>
        <translation>Shakuhachi</translation>
    </message>
    <message>
        <source>口笛</source>
        <translation>Whistle</translation>
    </message>
    <message>
        <source>オカリナ</source>
        <translation>Ocarina</translation>
    </message>
    <message>
        <source>矩形波</source>
        <translation>Lead 1 (square)</translation>
    </message>
    <message>
        <source>ノコギリ波</source>
        <translation>Lead 2 (sawtooth)</translation>
    </message>
    <message>
        <source>カリオペ</source>
        <translation>Lead 3 (calliope)</translation>
    </message>
    <message>
        <source>チフ</source>
        <translation>Lead 4 (chiff)</translation>
    </message>
    <message>
        <source>チャランゴ</source>
        <translation>Lead 5 (charang)</translation>
    </message>
    <message>
        <source>ボイス</source>
        <translation>Lead 6 (voice)</translation>
    </message>
    <message>
        <source>５度</source>
        <translation>Lead 7 (fifths)</translation>
    </message>
    <message>
        <source>ベース+リード</source>
        <translation>Lead 8 (bass + lead)</translation>
    </message>
    <message>
        <source>ニューエイジ</source>
        <translation>Pad 1 (new age)</translation>
    </message>
    <message>
        <source>ウォーム</source>
        <translation>Pad 2 (warm)</translation>
    </message>
    <message>
        <source>ポリシンセ</source>
        <translation>Pad 3 (polysynth)</translation>
    </message>
    <message>
        <source>クワイア</source>
        <translation>Pad 4 (choir)</translation>
    </message>
    <message>
        <source>ボウ</source>
        <translation>Pad 5 (bowed)</translation>
    </message>
    <message>
        <source>メタリック</source>
        <translation>Pad 6 (metallic)</translation>
    </message>
    <message>
        <source>ハロー</source>
        <translation>Pad 7 (halo)</translation>
    </message>
    <message>
        <source>スウィープ</source>
        <translation>Pad 8 (sweep)</translation>
    </message>
    <message>
        <source>雨</source>
        <translation>FX 1 (rain)</translation>
    </message>
    <message>
        <source>サウンドトラック</source>
        <translation>FX 2 (soundtrack)</translation>
    </message>
    <message>
        <source>クリスタル</source>
        <translation>FX 3 (crystal)</translation>
    </message>
    <message>
        <source>アトモスフィア</source>
        <translation>FX 4 (atmosphere)</translation>
    </message>
    <message>
        <source>ブライトネス</source>
        <translation>FX 5 (brightness)</translation>
    </message>
    <message>
        <source>ゴブリン</source>
        <translation>FX 6 (goblins)</translation>
    </message>
    <message>
        <source>エコー</source>
        <translation>FX 7 (echoes)</translation>
    </message>
    <message>
        <source>SF</source>
        <translation>FX 8 (sci-fi)</translation>
    </message>
    <message>
        <source>シタール</source>
        <translation>Sitar</translation>
    </message>
    <message>
        <source>バンジョー</source>
        <translation>Banjo</translation>
    </message>
    <message>
        <source>三味線</source>
        <translation>Shamisen</translation>
    </message>
    <message>
        <source>琴</source>
        <translation>Koto</translation>
    </message>
    <message>
        <source>カリンバ</source>
        <translation>Kalimba</translation>
    </message>
    <message>
        <source>バグパイプ</source>
        <translation>Bag pipe</translation>
    </message>
    <message>
        <source>フィドル</source>
        <translation>Fiddle</translation>
    </message>
    <message>
        <source>シャナイ</source>
        <translation>Shanai</translation>
    </message>
    <message>
        <source>ティンクルベル</source>
        <translation>Tinkle Bell</translation>
    </message>
    <message>
        <source>アゴゴ</source>
        <translation>Agogo</translation>
    </message>
    <message>
        <source>スチールドラム</source>
        <translation>Steel Drums</translation>
    </message>
    <message>
        <source>ウッドブロック</source>
        <translation>Woodblock</translation>
    </message>
    <message>
        <source>太鼓</source>
        <translation>Taiko Drum</translation>
    </message>
    <message>
        <source>メロディックタム</source>
        <translation>Melodic Tom</translation>
    </message>
    <message>
        <source>シンセドラム</source>
        <translation>Synth Drum</translation>
    </message>
    <message>
        <source>リバースシンバル</source>
        <translation>Reverse Cymbal</translation>
    </message>
    <message>
        <source>ギターフレットノイズ</source>
        <translation>Guitar Fret Noise</translation>
    </message>
    <message>
        <source>ブレスノイズ</source>
        <translation>Breath Noise</translation>
    </message>
    <message>
        <source>海岸</source>
        <translation>Seashore</translation>
    </message>
    <message>
        <source>鳥のさえずり</source>
        <translation>Bird Tweet</translation>
    </message>
    <message>
        <source>電話のベル</source>
        <translation>Telephone Ring</translation>
    </message>
    <message>
        <source>ヘリコプター</source>
        <translation>Helicopter</translation>
    </message>
    <message>
        <source>拍手</source>
        <translation>Applause</translation>
    </message>
    <message>
        <source>ガンショット</source>
        <translation>Gunshot</translation>
    </message>
</context>
</TS>
