// The name a download of the editor goes by: the exercise's title, made
// safe for a file name on every system (no separators, no characters
// Windows refuses, no control characters, no hidden-file dot, blanks as one
// blank, not too long), Cyrillic and all; "упражнение" when nothing is left.
'use strict';

const DownloadName = (function() {
  const kLongest = 60;  // characters, not bytes
  const kFallback = 'упражнение';
  const kRefused = /[/\\:*?"<>|\p{Cc}\p{Cf}]/gu;

  function of(title, extension) {
    const blanked = String(title).replace(kRefused, ' ').replace(/\s+/g, ' ');
    // Whole characters only: a cut never splits a letter outside the BMP.
    const cut = Array.from(blanked.trim()).slice(0, kLongest).join('');
    // Windows drops a trailing dot or blank; a leading dot hides the file.
    const name = cut.replace(/^[.\s]+|[.\s]+$/g, '');
    return (name || kFallback) + extension;
  }

  return {of};
})();
