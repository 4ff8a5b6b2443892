// Puts an absolutely placed element at [left, top, width, height] in CSS pixels, the places the
// module hands over. The page's other scripts use it, so it comes first in quv.js.
function place(element, [left, top, width, height]) {
  Object.assign(element.style,
                {left: `${left}px`, top: `${top}px`, width: `${width}px`, height: `${height}px`});
}
