// Plays the page in real browsers, headless: Debian's Chromium, and Firefox ESR over WebDriver
// BiDi. Loaded from disk and from a static server on 127.0.0.1, it must play every command of
// the window, read every kind of word file as bytes, draw as the game draws, ask for nothing
// once loaded, store nothing and log no error.
// Usage: node play-in-browsers.mjs PAGE
import http from "node:http";
import fs from "node:fs";
import path from "node:path";
import os from "node:os";
import assert from "node:assert/strict";
import puppeteer from "puppeteer-core";

const pagePath = path.resolve(process.argv[2]);
const words = fs.mkdtempSync(path.join(os.tmpdir(), "scaffle-web-"));
function wordFile(name, bytes) {
  const file = path.join(words, name);
  fs.writeFileSync(file, bytes);
  return file;
}
const otter = wordFile("otter.scf", "Test\r\nOTTER\r\n");
const empty = wordFile("empty.scf", "");
const utf16 = wordFile("birds.scf", Buffer.concat([Buffer.from([0xff, 0xfe]),
                                                  Buffer.from("V\u00f6gel\r\nWREN\r\n", "utf16le")]));
const ansi = wordFile("prices.scf", Buffer.from([...Buffer.from("Prices "), 0x80, 0x0d, 0x0a,
                                                ...Buffer.from("EURO\r\n")]));
// Larger than any word file, with no blocks on the disk: it must be refused unread.
const huge = wordFile("huge.scf", "");
fs.truncateSync(huge, 257 * 1024 * 1024);

const browsers = [
  { name: "Chromium", launch: { browser: "chrome", executablePath: "/usr/bin/chromium",
                                args: ["--no-sandbox", "--headless=new"] } },
  { name: "Firefox", launch: { browser: "firefox", executablePath: "/usr/bin/firefox-esr",
                               protocol: "webDriverBiDi", headless: true } },
];

// A static server of the page alone, as any web server would serve it; it notes what else is
// asked of it.
const asked = [];
const server = http.createServer((request, response) => {
  if (request.url !== "/scaffle.html") {
    asked.push(request.url);
    return response.writeHead(404).end();
  }
  response.writeHead(200, { "Content-Type": "text/html; charset=utf-8" });
  fs.createReadStream(pagePath).pipe(response);
});
await new Promise((done) => server.listen(0, "127.0.0.1", done));
const served = `http://127.0.0.1:${server.address().port}/scaffle.html`;

const label = (page, id) => page.$eval(`#${id}`, (element) => element.textContent);
// A letter shown: in sight and able to be pressed.
const shown = (page, selector) => page.$eval(selector, (key) => !key.disabled &&
                                             getComputedStyle(key).visibility === "visible");

async function box(page) {
  await page.waitForSelector("#box[open]", { timeout: 5000 });
  return page.$eval("#box", (box) => ({ title: box.querySelector("h1").textContent,
                                         text: box.querySelector("p").textContent }));
}
async function closeBox(page, key = "Enter") {
  await page.keyboard.press(key);
  await page.waitForSelector("#box:not([open])", { timeout: 5000 });
}
async function click(page, letters) {
  for (const letter of letters) {
    await page.click(`#Letter${letter.charCodeAt(0) - 65}`);
  }
}
// File, Open with the file chosen, or the choice cancelled (file null). Where the browser's
// driver cannot answer the chooser (Firefox's), the file is given to the page's file input, or
// its cancel sent, as the chooser would.
async function open(page, file) {
  if (page.browser().protocol === "webDriverBiDi") {
    await ctrl(page, "o");
    const chooser = await page.$("#chooser");
    if (file) await chooser.uploadFile(file);
    else await chooser.evaluate((input) => input.dispatchEvent(new Event("cancel")));
    return;
  }
  const choosing = page.waitForFileChooser({ timeout: 5000 });
  // Asked of the same session after it, so the browser catches the chooser before it opens.
  await page.evaluate(() => 0);
  await ctrl(page, "o");
  const chooser = await choosing;
  if (file) await chooser.accept([file]);
  else await chooser.cancel();
}
// Home, Tab to the letter, then Space, as a player without a mouse does.
async function pressWithKeys(page, letter) {
  await page.keyboard.press("Home");
  for (let tab = 0; tab < 26 && (await focusedLetter(page)) !== letter; ++tab) {
    await page.keyboard.press("Tab");
  }
  assert.equal(await focusedLetter(page), letter);
  await page.keyboard.press(" ");
}
async function ctrl(page, key) {
  await page.keyboard.down("Control");
  await page.keyboard.press(key);
  await page.keyboard.up("Control");
}
// The first node of what a screen reader meets in the page that passes the test (Chromium only).
async function heard(page, test) {
  const find = (node) => test(node) ? node : node.children?.map(find).find(Boolean);
  return find(await page.accessibility.snapshot());
}
const focusedLetter = (page) => page.evaluate(() => document.activeElement.textContent);

async function play(browser, url) {
  const page = await browser.newPage();
  const problems = [];
  page.on("console", (message) => {
    if (message.type() === "error" || message.type() === "warn") problems.push(message.text());
  });
  page.on("pageerror", (error) => problems.push(String(error)));
  const loaded = [];
  // Its icon is in it, as a data: address.
  page.on("request", (request) => request.url() === url || request.url().startsWith("data:") || loaded.push(request.url()));
  await page.goto(url);
  await page.waitForFunction(() => document.title === "Scaffle! Category: Animals", { timeout: 10000 });

  // The built-in list, silently; A has the focus.
  assert.equal(await label(page, "WinTotal"), "Wins: 0");
  assert.match(await label(page, "Label1"), /^blank(, blank)*$/);
  assert.equal(await focusedLetter(page), "A");

  // Keyboard alone: the arrows, then Space; typed letters do nothing.
  await page.keyboard.press("t");
  assert.equal(await shown(page, "#Letter19"), true);
  await page.keyboard.press("ArrowRight");
  await page.keyboard.press("ArrowDown");
  assert.equal(await focusedLetter(page), "J");

  // A good file, as bytes: a win with the keyboard alone, and the next word in the same page
  // with the tally up; then a win with the mouse.
  await open(page, otter);
  await page.waitForFunction(() => document.title === "Scaffle! Category: Test");
  for (const letter of "OTER") await pressWithKeys(page, letter);
  assert.deepEqual(await box(page), { title: "Winner!", text: "You won! Wow!" });
  // The box stands clear of the completed word and the gallows.
  const clear = await page.evaluate(() => {
    const box = document.getElementById("box").getBoundingClientRect();
    return ["Label1", "Hang"].every((id) => {
      const part = document.getElementById(id).getBoundingClientRect();
      return box.right <= part.left || box.left >= part.right || box.bottom <= part.top || box.top >= part.bottom;
    });
  });
  assert.ok(clear, "the box covers the word or the gallows");
  // The box takes the focus as the word is told: a screen reader hears the word with it.
  if (page.browser().protocol !== "webDriverBiDi") {
    const dialog = await heard(page, (node) => node.role === "dialog");
    assert.equal(dialog.description, "OTTER. You won! Wow!");
  }
  await closeBox(page);
  await page.waitForFunction(() => document.querySelector("#WinTotal").textContent === "Wins: 1");
  assert.equal(await label(page, "Label1"), "blank, blank, blank, blank, blank");
  await click(page, "OTER");
  await box(page);
  await closeBox(page);
  await page.waitForFunction(() => document.querySelector("#WinTotal").textContent === "Wins: 2");

  // Refused files and a cancelled choice leave the round; About and its box.
  await open(page, empty);
  assert.deepEqual(await box(page), { title: "Scaffle!",
                                      text: "The word file empty.scf cannot be used: it is empty." });
  await closeBox(page, "Escape");
  await open(page, huge);
  assert.equal((await box(page)).text, "The word file huge.scf cannot be used: it is larger than 256 MiB.");
  await closeBox(page);
  await open(page, null);
  await page.focus("#Letter2");
  await ctrl(page, "a");
  assert.equal((await box(page)).title, "About Scaffle!");
  await closeBox(page, " ");
  assert.equal(await focusedLetter(page), "C");
  // A click where there is no control, in the window or around it, and About from the menu with
  // the mouse, leave it there.
  const board = await (await page.$("#Board")).boundingBox();
  await page.mouse.click(board.x + 10, board.y + 10);
  await page.mouse.click(2, 2);
  await page.click("#mnuFile");
  await page.click("#fileMenu > button:nth-child(2)");
  await closeBox(page);
  assert.equal(await focusedLetter(page), "C");
  assert.equal(await page.title(), "Scaffle! Category: Test");
  // The menu as a menu button: Down opens it on its first item; it closes when the focus leaves
  // it, and at Escape, which gives the letter its focus back.
  const menuOpen = () => page.$eval("#fileMenu", (menu) => !menu.hidden);
  await page.focus("#mnuFile");
  await page.keyboard.press("ArrowDown");
  assert.match(await page.evaluate(() => document.activeElement.textContent), /^Open/);
  await page.focus("#Letter3");
  assert.equal(await menuOpen(), false);
  await page.focus("#mnuFile");
  await page.keyboard.press("Enter");
  assert.equal(await menuOpen(), true);
  await page.keyboard.press("Escape");
  assert.equal(await menuOpen(), false);
  assert.equal(await focusedLetter(page), "D");

  // UTF-16 and Windows' ANSI, read as their editors meant them.
  await open(page, utf16);
  await page.waitForFunction(() => document.title === "Scaffle! Category: V\u00f6gel");
  await open(page, ansi);
  await page.waitForFunction(() => document.title === "Scaffle! Category: Prices \u20ac");

  // A loss ends the game; the page offers a new run.
  await click(page, "ABCDFGHIJ");
  assert.deepEqual(await box(page), { title: "Try Again!",
                                      text: "You lost! The word was EURO. Try again next time!" });
  await closeBox(page);
  await page.waitForSelector("#ended:not([hidden])");
  assert.equal(await page.title(), "Scaffle! The game has ended.");
  if (page.browser().protocol !== "webDriverBiDi") {
    const again = await heard(page, (node) => node.focused);
    assert.deepEqual([again.name, again.description], ["Start again", "The game has ended."]);
  }
  await page.click("#again");
  await page.waitForFunction(() => document.title === "Scaffle! Category: Animals");
  assert.equal(await label(page, "WinTotal"), "Wins: 0");

  // Exit ends it too.
  await ctrl(page, "x");
  await page.waitForSelector("#ended:not([hidden])");

  const stored = await page.evaluate(() => document.cookie.length + localStorage.length + sessionStorage.length);
  assert.equal(stored, 0, "the page stored something");
  assert.deepEqual(loaded, [], "the page asked for something besides itself");
  assert.deepEqual(problems, [], "the console showed a problem");
  await page.close();
}

// At a ratio of device pixels to CSS pixels, the client area as the screen shows it, controls
// and all, is the game's drawing: its rectangles of colour, filled in order, to the last pixel
// outside the letters' glyphs, under forced colours (Windows' high contrast) too. A guess is
// told politely.
async function looks(browser, url, ratio, forced = false) {
  const page = await browser.newPage();
  await page.setViewport({ width: 800, height: 600, deviceScaleFactor: ratio });
  if (forced) {
    const features = [{ name: "forced-colors", value: "active" }];
    await (await page.createCDPSession()).send("Emulation.setEmulatedMedia", { features });
  }
  await page.goto(url);
  await page.waitForFunction(() => document.title === "Scaffle! Category: Animals", { timeout: 10000 });
  await open(page, otter);
  await page.waitForFunction(() => document.title === "Scaffle! Category: Test");
  // Pressed as a screen reader presses a button, which leaves the focus where it was.
  await page.$eval("#Letter25", (key) => key.click());
  assert.equal(await label(page, "news"), "1 of 9 pieces shown");
  // The gallows, read at any time, and what the masked word is.
  const attribute = (id, name) => page.$eval(`#${id}`, (element, name) => element.getAttribute(name), name);
  assert.equal(await attribute("Hang", "aria-label"), "Gallows, 1 of 9 pieces shown");
  assert.equal(await attribute("Label1", "aria-description"), "The word to guess");
  assert.equal(await shown(page, "#Letter25"), false);
  // Q held down: its face drawn alone over the board's.
  await page.$eval("#Letter16", (key) => key.dispatchEvent(new PointerEvent("pointerdown", { bubbles: true })));
  const shot = await page.screenshot({ encoding: "base64" });
  const differ = await page.evaluate(async (shot, ratio) => {
    const board = document.getElementById("Board");
    // The client area's device pixels, where they stand on the screen.
    const corner = document.getElementById("client").getBoundingClientRect();
    const whole = await createImageBitmap(new Blob([Uint8Array.fromBase64(shot)], { type: "image/png" }));
    const image = { width: Math.round(311 * ratio), height: Math.round(220 * ratio) };
    const screen = new OffscreenCanvas(image.width, image.height).getContext("2d");
    screen.drawImage(whole, -Math.round(corner.left * devicePixelRatio), -Math.round(corner.top * devicePixelRatio));
    const drawn = new OffscreenCanvas(image.width, image.height).getContext("2d");
    const glyphs = [];
    for (const element of board.querySelectorAll("path, text")) {
      if (element.tagName === "text") {
        const box = element.getBBox();
        glyphs.push([box.x - 1, box.y - 1, box.x + box.width + 1, box.y + box.height + 1]);
        continue;
      }
      drawn.fillStyle = element.getAttribute("fill");
      for (const [, x, y, w, h] of element.getAttribute("d").matchAll(/M(\d+) (\d+)h(\d+)v(\d+)/g)) {
        drawn.fillRect(+x, +y, +w, +h);
      }
    }
    const a = screen.getImageData(0, 0, image.width, image.height).data;
    const b = drawn.getImageData(0, 0, image.width, image.height).data;
    let differ = 0;
    for (let y = 0; y < image.height; ++y) {
      for (let x = 0; x < image.width; ++x) {
        const i = 4 * (y * image.width + x);
        const glyph = glyphs.some(([l, t, r, bottom]) => x >= l && x < r && y >= t && y < bottom);
        if (!glyph && (a[i] !== b[i] || a[i + 1] !== b[i + 1] || a[i + 2] !== b[i + 2])) ++differ;
      }
    }
    return differ;
  }, shot, ratio);
  assert.equal(differ, 0, `${ratio}x`);
  // What the guess and the press drew over the board is what the whole board drawn anew shows.
  const parts = await page.$eval("#Parts", (drawn) => drawn.childElementCount);
  assert.ok(parts > 0, `parts drawn over the board, ${ratio}x`);
  await page.evaluate(() => Module._scaffleRedraw());
  assert.ok(shot === await page.screenshot({ encoding: "base64" }), `the board drawn anew, ${ratio}x`);
  await page.close();
}

// On a Mac the commands answer Cmd, and the menu shows its symbol.
async function onAMac(browser, url) {
  const page = await browser.newPage();
  await page.evaluateOnNewDocument(() => Object.defineProperty(navigator, "platform", { get: () => "MacIntel" }));
  await page.goto(url);
  await page.waitForFunction(() => document.title === "Scaffle! Category: Animals", { timeout: 10000 });
  assert.equal(await page.$eval("#fileMenu > button span:last-child", (shortcut) => shortcut.textContent), "\u2318O");
  await page.keyboard.down("Meta");
  await page.keyboard.press("a");
  await page.keyboard.up("Meta");
  assert.equal((await box(page)).title, "About Scaffle!");
  await page.close();
}

// On a touch screen, a phone upright or sideways or a tablet, the window grows as large as fits,
// and in a small window as much as fits; it never scrolls, is drawn as sharp, and every control
// is at least 24 CSS pixels each way, 44 on a tablet. On the phone a tap on a key guesses it and
// shows no focus mark on the letter the focus moves to, until a key is pressed.
async function onAPhone(browser, url) {
  // Headless Firefox's driver makes no touch screens: there, the small screens alone.
  const touch = browser.protocol !== "webDriverBiDi";
  for (const [width, height, least, finger] of [[390, 844, 360, 24], [500, 380, 380, 0],
                                                ...(touch ? [[844, 390, 360, 24], [1024, 768, 760, 44]] : [])]) {
    const page = await browser.newPage();
    await page.setViewport({ width, height, deviceScaleFactor: 3, isMobile: true, hasTouch: true });
    await page.goto(url);
    await page.waitForFunction(() => document.title === "Scaffle! Category: Animals", { timeout: 10000 });
    const fit = await page.evaluate(() => ({
      width: document.getElementById("window").getBoundingClientRect().width,
      scrolls: document.scrollingElement.scrollWidth > innerWidth ||
               document.scrollingElement.scrollHeight > innerHeight,
      drawn: document.getElementById("Board").viewBox.baseVal.width,
      smallest: Math.min(...[...document.querySelectorAll("#window button")]
        .filter((control) => control.checkVisibility({ visibilityProperty: true }))
        .map((control) => Math.min(control.getBoundingClientRect().width, control.getBoundingClientRect().height))),
    }));
    assert.ok(fit.width >= least && !fit.scrolls && (!touch || fit.smallest >= finger), `${width}x${height}: ${JSON.stringify(fit)}`);
    assert.ok(fit.drawn >= 311 * 3 * 1.15, JSON.stringify(fit));
    if (touch && height > width) {
      // The focus mark's dots are dark ink on Y's key besides its letter's.
      const y = await (await page.$("#Letter24")).boundingBox();
      const ink = async () => page.evaluate(async (shot) => {
        const image = await createImageBitmap(new Blob([Uint8Array.fromBase64(shot)], { type: "image/png" }));
        const canvas = new OffscreenCanvas(image.width, image.height).getContext("2d");
        canvas.drawImage(image, 0, 0);
        const pixels = canvas.getImageData(0, 0, image.width, image.height).data;
        return pixels.filter((value, i) => i % 4 === 0 && value < 64 && pixels[i + 1] < 64).length;
      }, await page.screenshot({ encoding: "base64", clip: y }));
      const unfocused = await ink();
      await page.tap("#Letter25");
      await page.waitForFunction(() => document.getElementById("Letter25").disabled, { timeout: 5000 });
      assert.equal(await page.evaluate(() => document.activeElement.id), "Letter24");
      const tapped = await ink();
      await page.keyboard.press("Shift");
      const marked = await ink();
      assert.ok(tapped < unfocused * 1.1 && marked > unfocused * 1.2, `the ink on Y: ${unfocused}, after a tap ${tapped}, after a key ${marked}`);
    }
    await page.close();
  }
}

let failed = false;
for (const { name, launch } of browsers) {
  const browser = await puppeteer.launch({ ...launch, timeout: 30000 });
  try {
    for (const url of [`file://${pagePath}`, served]) {
      await play(browser, url);
      console.log(`PASS: ${name}, ${url.split(":")[0]}`);
    }
    for (const ratio of [1, 1.5, 2, 3]) {
      await looks(browser, served, ratio);
      console.log(`PASS: ${name}, drawn at ${ratio}x`);
    }
    // Only Chromium's driver emulates forced colours.
    if (browser.protocol !== "webDriverBiDi") {
      await looks(browser, served, 1, true);
      console.log(`PASS: ${name}, drawn under forced colours`);
    }
    await onAPhone(browser, served);
    console.log(`PASS: ${name}, on a phone`);
    await onAMac(browser, served);
    console.log(`PASS: ${name}, on a Mac`);
  } catch (error) {
    failed = true;
    console.log(`FAIL: ${name}: ${error.stack}`);
  } finally {
    await browser.close();
  }
}
server.close();
if (asked.length > 0) {
  failed = true;
  console.log(`FAIL: the pages asked the server for ${asked.join(", ")}`);
}
fs.rmSync(words, { recursive: true });
process.exit(failed ? 1 : 0);
