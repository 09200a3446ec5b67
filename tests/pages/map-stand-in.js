// Stands in for the map library in the page tests: exactly the part the
// map pages use, with every map, marker, polyline and pan kept in
// window.__maps for the tests to look at. Like the real loader it reads
// its callback from its own address and calls it, asynchronously, on
// every load.
(function () {
  var record = window.__maps = window.__maps || { loads: 0, maps: [], markers: [], polylines: [], pans: [] };
  record.loads++;

  function LatLng(lat, lng) { this.lat = function () { return lat; }; this.lng = function () { return lng; }; }
  function Size(width, height) { this.width = width; this.height = height; }
  function Point(x, y) { this.x = x; this.y = y; }
  function MarkerImage(url, size, origin, anchor) { this.url = url; this.size = size; this.origin = origin; this.anchor = anchor; }
  function setMap(map) { this.map = map; }
  // Markers and polylines: options kept, on a map until setMap(null).
  function Overlay(list) {
    function Made(options) { this.options = options; this.map = options.map || null; this.listeners = {}; list.push(this); }
    Made.prototype.setMap = setMap;
    return Made;
  }
  function Map(div, options) { this.div = div; this.options = options; this.streetViewOptions = null; record.maps.push(this); }
  Map.prototype.panTo = function (position) { record.pans.push(position); };
  Map.prototype.getStreetView = function () {
    var map = this;
    return { setOptions: function (options) { map.streetViewOptions = options; } };
  };
  var event = {
    addListener: function (object, name, handler) { (object.listeners[name] = object.listeners[name] || []).push(handler); },
    // Tests only: what a user's click does.
    trigger: function (object, name) { (object.listeners[name] || []).forEach(function (handler) { handler(); }); }
  };
  window.google = { maps: { LatLng: LatLng, Size: Size, Point: Point, MarkerImage: MarkerImage, Map: Map,
                            Marker: Overlay(record.markers), Polyline: Overlay(record.polylines), event: event,
                            MapTypeId: { ROADMAP: 'roadmap' } } };

  var callback = /[?&]callback=([^&]+)/.exec(document.currentScript ? document.currentScript.src : '');
  if (callback) {
    Promise.resolve().then(function () { window[callback[1]](); });
  }
})();
