// From navigation to the window painted, the page's against a bare page of the same controls;
// from a click on a letter to its result painted, against the bare page changing a label on a
// click. In pairs, A B then B A, in headless Chromium; a verdict a line.
// Usage: node bench-in-chromium.mjs PAGE BARE
import path from "node:path";
import puppeteer from "puppeteer-core";

const [game, bare] = process.argv.slice(2).map((file) => "file://" + path.resolve(file));
const browser = await puppeteer.launch({ browser: "chrome", executablePath: "/usr/bin/chromium",
                                         args: ["--no-sandbox", "--headless=new"] });

// Marks, on every page, the moment after the first frame once its title says it is ready.
const markPainted = (ready) => {
  new MutationObserver(() => {
    if (document.title.startsWith(ready) && !window.painted) {
      window.painted = new Promise((done) =>
        requestAnimationFrame(() => setTimeout(() => done(performance.now()))));
    }
  }).observe(document, { subtree: true, childList: true, characterData: true });
};

// A page in the background is not painted: each takes the front for its turn. Each load starts
// from a blank page, so that it does not pay for tearing down the one before.
async function firstPaint(page, url) {
  await page.bringToFront();
  await page.goto("about:blank");
  await page.goto(url);
  await page.waitForFunction(() => window.painted, { timeout: 10000 });
  return page.evaluate(() => window.painted);
}

// Milliseconds from a click on a letter to the next frame painted. The letter is pressed and,
// some frames later, released: a player's release comes at any moment of a frame, and this one
// comes DELAY milliseconds into one. A guessed key takes no click: timing one would time nothing.
async function clickToPaint(page, index, delay) {
  await page.bringToFront();
  const time = await page.evaluate((index, delay) => new Promise((done) => {
    const frames = (count, then) =>
      requestAnimationFrame(() => (count > 1 ? frames(count - 1, then) : then()));
    const letter = document.getElementById("Letter" + index);
    if (letter.disabled) return done(null);
    const pointer = (type) =>
      letter.dispatchEvent(new PointerEvent(type, { bubbles: true, isPrimary: true }));
    pointer("pointerdown");
    frames(3, () => setTimeout(() => {
      const start = performance.now();
      pointer("pointerup");
      letter.click();
      requestAnimationFrame(() => setTimeout(() => done(performance.now() - start)));
    }, delay));
  }), index, delay);
  if (time === null) throw new Error(`letter ${index} had been guessed already`);
  return time;
}

const median = (values) => values.sort((a, b) => a - b)[Math.floor(values.length / 2)];

const gamePage = await browser.newPage();
const barePage = await browser.newPage();
await gamePage.evaluateOnNewDocument(markPainted, "Scaffle! Category:");
await barePage.evaluateOnNewDocument(markPainted, "Bare window");
// Each pair is measured in turn, the page first in one pair and the bare page first in the
// next, so that neither always comes just after the other's frame.
let turn = 0;
async function pair(measure) {
  const measured = {};
  for (const which of turn++ % 2 === 0 ? ["game", "bare"] : ["bare", "game"]) {
    measured[which] = await measure(which);
  }
  return measured;
}

const starts = [];
const times = { game: [], bare: [] };
for (let i = 0; i < 101; ++i) {
  const { game: gameTime, bare: bareTime } =
    await pair((which) => which === "game" ? firstPaint(gamePage, game) : firstPaint(barePage, bare));
  times.game.push(gameTime);
  times.bare.push(bareTime);
  starts.push(gameTime / bareTime);
}
console.log(`first paint: the page ${median(times.game).toFixed(1)} ms, the bare page ${median(times.bare).toFixed(1)} ms`);

const clicks = [];
const clickTimes = { game: [], bare: [] };
for (let round = 0; round < 30; ++round) {
  await firstPaint(gamePage, game);
  // Eight letters of a round, short of its end whichever word was picked; both pages take each
  // at the same moment of a frame.
  for (const index of [4, 0, 19, 14, 8, 13, 18, 17]) {
    const delay = Math.random() * 16;
    const { game: gameTime, bare: bareTime } =
      await pair((which) => clickToPaint(which === "game" ? gamePage : barePage, index, delay));
    clickTimes.game.push(gameTime);
    clickTimes.bare.push(bareTime);
    clicks.push(gameTime / bareTime);
  }
}
console.log(`click to paint: the page ${median(clickTimes.game).toFixed(1)} ms, the bare page ${median(clickTimes.bare).toFixed(1)} ms`);
await browser.close();

const verdict = (name, value, target, unit) =>
  console.log(`${name}: ${value.toFixed(2)}${unit} (target ${target.toFixed(2)}${unit}) ` +
              (value <= target ? "met" : "NOT MET"));
verdict("web-first-paint", median(starts), 1.25, "x of a bare page");
verdict("web-click-to-paint", median(clicks), 1.10, "x of a bare page");
