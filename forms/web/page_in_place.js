/* Puts the form of a page written by the page generator (`html`) in place of
   the one the document `doc` holds, or into its empty body: the language,
   the title, the description, the style, the form and the exercise the page
   carries. The module then binds to it. */
function putPageInPlace(html, doc = document) {
  const made = new DOMParser().parseFromString(html, 'text/html');
  doc.documentElement.lang = made.documentElement.lang;
  doc.title = made.title;
  const replace = (selector, parent) => {
    const own = doc.querySelector(selector);
    const next = made.querySelector(selector);
    if (own) own.remove();
    if (next) parent.append(doc.adoptNode(next));
  };
  replace('meta[name="description"]', doc.head);
  let style = doc.querySelector('style');
  if (!style) style = doc.head.appendChild(doc.createElement('style'));
  style.textContent = made.querySelector('style').textContent;
  const form = doc.adoptNode(made.querySelector('.form'));
  const own = doc.querySelector('.form');
  if (own) {
    own.replaceWith(form);
  } else {
    doc.body.append(form);
  }
  replace('#page-data', doc.body);
}
